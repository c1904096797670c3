#include "ui/sensor/CSensorDlg.h"

#include <gtest/gtest.h>

#include <QTest>

#include "ui/sensor/SensorPageRig.h"
#include "ui/skin/CQELComboButton.h"
#include "ui/skin/CQELNUMEdit.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavCheckBox.h"
#include "ui/skin/CTavProgressCtrl.h"
#include "ui/skin/CTavSliderCtrl.h"
#include "ui/skin/CTavSliderCtrl3D.h"
#include "ui/skin/CTavStatic.h"
#include "ui/skin/LayoutRectQt.h"
#include "ui/skin/MessageBox.h"
#include "ui/skin/PopupMenu.h"
#include "ui/skin/SkinImageSet.h"

namespace orvex::ui::testing {
namespace {

using namespace std::chrono_literals;
namespace sn = layout::sensor;
using Thumbs3 = std::array<int, 3>;
using Texts3 = std::array<QString, 3>;

ProfileRecord WithResolutions(bool separate, Thumbs3 x, Thumbs3 y) {
    ProfileRecord record = MakeDefaultProfile();
    record.xySeparate = separate ? 1 : 0;
    for (std::size_t i = 0; i < 3; ++i) {
        record.resolutionSteps[i] = {static_cast<std::int16_t>(x[i]),
                                     static_cast<std::int16_t>(y[i])};
    }
    return record;
}

TEST_F(SensorPageTest, StartsWithEveryControlAtItsPlaceAndItsCreationDefaults) {
    const std::pair<QWidget*, layout::LayoutRect> places[] = {
        {page->separateBox(), sn::kSeparate},
        {page->xAxis(), sn::kXAxis},
        {page->yAxis(), sn::kYAxis},
        {page->definedModeBox(), sn::kDefinedMode},
        {page->numberField(), sn::kDefinedValue},
        {page->angleSnap(), sn::kAngleSnap},
        {page->pointSpeed(), sn::kPointSpeed},
        {page->liftDistance(), sn::kLiftDistance},
        {page->testButton(), sn::kTest},
        {page->saveButton(), sn::kSave},
        {page->analyzeSurfaceButton(), sn::kAnalyzeSurface},
        {page->qualityAnalyzer(), sn::kQualityAnalyzer},
        {page->surface(), sn::kSurface},
        {page->stepBackgrounds()[1], sn::kStepBackgrounds[1]},
        {page->stepXLabels()[2], sn::kStepXLabels[2]},
        {page->stepXYLabels()[0], sn::kStepXYLabels[0]},
    };
    for (const auto& [control, rect] : places) {
        EXPECT_EQ(control->geometry(), ToQRect(rect)) << control->metaObject()->className();
    }
    EXPECT_EQ(page->size(), QSize(704, 360));
    EXPECT_EQ(page->separateBox()->controlId(), 1018);
    EXPECT_EQ(page->definedModeBox()->controlId(), 1087);
    EXPECT_EQ(page->angleSnap()->controlId(), 1095);

    for (const CTavSliderCtrl3D* axis : {page->xAxis(), page->yAxis()}) {
        EXPECT_EQ(Thumbs(axis), (Thumbs3{400, 1600, 7000}));
        EXPECT_EQ(axis->range().minimum, 50);
        EXPECT_EQ(axis->range().maximum, 7000);
        EXPECT_EQ(axis->range().step, 50);
    }
    EXPECT_EQ(page->pointSpeed()->value(), 6);
    EXPECT_EQ(page->pointSpeed()->range().maximum, 10);
    EXPECT_EQ(page->liftDistance()->value(), 1);
    EXPECT_EQ(page->liftDistance()->range().maximum, 32);
    EXPECT_TRUE(page->qualityAnalyzer()->vertical());
    EXPECT_EQ(page->qualityAnalyzer()->maximum(), 10);
    EXPECT_EQ(page->qualityAnalyzer()->position(), 0);
    EXPECT_EQ(page->surface()->imageCount(), 11);
    EXPECT_EQ(page->surface()->currentImageIndex(), 0);

    EXPECT_FALSE(page->separateBox()->IsChecked());
    for (std::size_t step = 0; step < 3; ++step) {
        EXPECT_FALSE(page->stepXLabels()[step]->isVisible());
        EXPECT_TRUE(page->stepXYLabels()[step]->isVisible());
    }
    EXPECT_EQ(page->angleSnap()->Text(), QStringLiteral("0"));
    EXPECT_EQ(page->angleSnap()->menu()->itemCount(), 16);
    EXPECT_EQ(page->angleSnap()->ItemText(15), QStringLiteral("15"));
    EXPECT_TRUE(page->numberField()->text().isEmpty());

    // Both timers ran from the start (the fixture stopped them); a fresh page made here shows it.
    CSensorDlg fresh(services.services, nullptr);
    EXPECT_TRUE(fresh.numberFieldTimer().isActive());
    EXPECT_EQ(fresh.numberFieldTimer().intervalAsDuration(), 70ms);
    EXPECT_TRUE(fresh.stepLabelTimer().isActive());
    EXPECT_EQ(fresh.stepLabelTimer().intervalAsDuration(), 50ms);
}

TEST_F(SensorPageTest, NumberFieldAsTypedAndAsItsTimerLeavesItAndWhatItStores) {
    struct Case {
        const char* typed;
        const char* shownBeforeTick;  // what the field took of the keys
        const char* shown;            // after a tick of its timer
        std::uint8_t stored;
    };
    const Case cases[] = {
        {"123", "123", "12", 12}, {"-45", "-45", "-30", 0xE2},
        {"05", "05", "5", 5},     {"0", "0", "0", 0},
        {"-", "-", "-", 0},       {"40", "40", "30", 30},
        {"-7", "-7", "-7", 0xF9}, {"-123", "-12", "-12", 0xF4},
        {"5-", "5-", "5-", 5},    {"a1b", "1", "1", 1},
        {"", "", "", 0},          {"-05", "-05", "-05", 0xFB},
    };
    CQELNUMEdit* field = page->numberField();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        field->clear();
        field->setFocus();
        QTest::keyClicks(field, QString::fromLatin1(c.typed));
        EXPECT_EQ(field->text(), QString::fromLatin1(c.shownBeforeTick));
        page->NumberFieldTick();
        EXPECT_EQ(field->text(), QString::fromLatin1(c.shown));
        EXPECT_EQ(field->cursorPosition(), field->text().size()) << "typing goes on at the end";
        EXPECT_EQ(Saved().definedModeValue, c.stored);
        // A stored number shows again as the field left it.
        if (c.stored == 0xF9) {
            ProfileRecord record = Saved();
            field->clear();
            page->LoadFromProfile(record);
            EXPECT_EQ(field->text(), QStringLiteral("-7"));
        }
    }
}

TEST_F(SensorPageTest, ThreeSelectedCharactersCanBeTypedOverAcrossTheTimersTicks) {
    CQELNUMEdit* field = page->numberField();
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("-12"));
    page->NumberFieldTick();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    page->NumberFieldTick();
    EXPECT_EQ(field->selectedText(), QStringLiteral("-12"));
    QTest::keyClicks(field, QStringLiteral("5"));
    page->NumberFieldTick();
    EXPECT_EQ(field->text(), QStringLiteral("5"));
}

TEST_F(SensorPageTest, StoredNumbersShowSignedAndAnyThePageCouldNotHaveWrittenAtTheLimit) {
    const std::pair<std::uint8_t, const char*> cases[] = {
        {0, "0"}, {0xE2, "-30"}, {30, "30"}, {0xF9, "-7"}, {100, "30"}, {0x80, "-30"}};
    for (const auto& [stored, shown] : cases) {
        ProfileRecord record = MakeDefaultProfile();
        record.definedModeValue = stored;
        page->LoadFromProfile(record);
        page->NumberFieldTick();
        EXPECT_EQ(page->numberField()->text(), QString::fromLatin1(shown)) << int{stored};
    }
}

TEST_F(SensorPageTest, TiedThumbsMoveTogetherAndTheLowerLabelsFollow) {
    DragThumb(page->xAxis(), 2, 3200);
    EXPECT_EQ(Thumbs(page->xAxis()), (Thumbs3{400, 3200, 7000}));
    EXPECT_EQ(Thumbs(page->yAxis()), (Thumbs3{400, 3200, 7000}));
    page->StepLabelTick();
    EXPECT_EQ(Texts(page->stepXYLabels()), (Texts3{"400", "3200", "7000"}));
    EXPECT_FALSE(page->stepXLabels()[1]->isVisible());

    DragThumb(page->yAxis(), 1, 800);
    EXPECT_EQ(Thumbs(page->xAxis()), (Thumbs3{800, 3200, 7000}));
    page->StepLabelTick();
    EXPECT_EQ(Texts(page->stepXYLabels()), (Texts3{"800", "3200", "7000"}));
}

TEST_F(SensorPageTest, TheBoxCopiesXToYEitherWayAndLaysTheLabelsOutForTheMode) {
    page->LoadFromProfile(WithResolutions(true, {400, 1600, 7000}, {800, 800, 800}));
    page->ControlNotification(CSensorDlg::kSeparateId, 0);
    page->StepLabelTick();
    EXPECT_EQ(Texts(page->stepXLabels()), (Texts3{"400", "1600", "7000"}));
    EXPECT_EQ(Texts(page->stepXYLabels()), (Texts3{"800", "800", "800"}));
    // Separate: moving X leaves Y.
    DragThumb(page->xAxis(), 1, 1000);
    EXPECT_EQ(Thumbs(page->yAxis()), (Thumbs3{800, 800, 800}));
    page->xAxis()->SetPos1(400, true);

    struct Look {
        bool separate;
        SkinState skin;
    };
    for (const Look look : {Look{false, SkinState::Normal}, Look{true, SkinState::Hover}}) {
        SCOPED_TRACE(look.separate ? "checked again" : "unchecked");
        Click(page->separateBox());
        EXPECT_EQ(page->separate(), look.separate);
        EXPECT_EQ(Thumbs(page->xAxis()), (Thumbs3{400, 1600, 7000}));
        EXPECT_EQ(Thumbs(page->yAxis()), (Thumbs3{400, 1600, 7000}));
        for (std::size_t step = 0; step < 3; ++step) {
            EXPECT_EQ(page->stepXLabels()[step]->isVisible(), look.separate);
            EXPECT_TRUE(page->stepXYLabels()[step]->isVisible());
            // The labels' texts are centred: their left edges show the look alone.
            for (CTavStatic* piece : {page->stepBackgrounds()[step], page->stepXLabels()[step],
                                      page->stepXYLabels()[step]}) {
                const QRect edge(0, 0, 4, piece->height());
                EXPECT_EQ(
                    piece->grab(edge).toImage().convertToFormat(QImage::Format_RGB32),
                    DefaultSkinSet()
                        .CropFamily(SkinFamily::Sensor, look.skin, edge.translated(piece->pos()))
                        .convertToFormat(QImage::Format_RGB32))
                    << "the boxes wear the mode's look";
            }
        }
    }
}

TEST_F(SensorPageTest, TheWindowsNoticeAfterALoadOnlyLaysTheLabelsOut) {
    page->LoadFromProfile(WithResolutions(true, {400, 1600, 7000}, {800, 800, 800}));
    EXPECT_FALSE(page->stepXLabels()[0]->isVisible()) << "no layout before the notice";
    page->ControlNotification(CSensorDlg::kSeparateId, 0);
    EXPECT_TRUE(page->stepXLabels()[0]->isVisible());
    EXPECT_EQ(Thumbs(page->yAxis()), (Thumbs3{800, 800, 800}));

    page->LoadFromProfile(WithResolutions(false, {400, 1600, 7000}, {400, 1600, 7000}));
    page->ControlNotification(CSensorDlg::kSeparateId, 0);
    EXPECT_FALSE(page->stepXLabels()[0]->isVisible());
}

TEST_F(SensorPageTest, LoadedResolutionsAreClampedNotSnappedUntilTheirThumbMoves) {
    page->LoadFromProfile(WithResolutions(false, {20, 425, 7100}, {20, 425, 7100}));
    EXPECT_EQ(Thumbs(page->xAxis()), (Thumbs3{50, 425, 7000}));
    EXPECT_EQ(Thumbs(page->yAxis()), (Thumbs3{50, 425, 7000}));
    const auto savedSteps = [this] {
        const ProfileRecord saved = Saved();
        Thumbs3 x{};
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(saved.resolutionSteps[i].x, saved.resolutionSteps[i].y);
            x[i] = saved.resolutionSteps[i].x;
        }
        return x;
    };
    EXPECT_EQ(savedSteps(), (Thumbs3{50, 425, 7000}));

    // A press on the thumb without moving it takes the value under the pointer: on the grid.
    const EdgeRect thumb = page->xAxis()->ThumbRect(2);
    const QPoint centre((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2);
    QTest::mouseClick(page->xAxis(), Qt::LeftButton, {}, centre);
    const int snapped = page->xAxis()->value(2);
    EXPECT_EQ(snapped % 50, 0);
    EXPECT_LE(std::abs(snapped - 425), 50);
    EXPECT_EQ(savedSteps(), (Thumbs3{50, snapped, 7000}));
}

TEST_F(SensorPageTest, ATiedProfileWithDifferingValuesEndsWithItsYValuesOnBothSliders) {
    page->LoadFromProfile(WithResolutions(false, {400, 1600, 7000}, {800, 900, 1000}));
    EXPECT_EQ(Thumbs(page->xAxis()), (Thumbs3{800, 900, 1000}));
    EXPECT_EQ(Thumbs(page->yAxis()), (Thumbs3{800, 900, 1000}));
}

TEST_F(SensorPageTest, AngleSnapTakesTheChosenEntryAndAProfileLevelTheMenuLacksKeepsTheShownOne) {
    Click(page->angleSnap());
    PopupMenu* menu = page->angleSnap()->menu();
    ASSERT_TRUE(menu->isVisible());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->item(9).rect.center());
    EXPECT_EQ(page->angleSnap()->Text(), QStringLiteral("9"));
    EXPECT_EQ(Saved().angleSnap, 9);

    ProfileRecord record = MakeDefaultProfile();
    record.angleSnap = 16;
    page->LoadFromProfile(record);
    EXPECT_EQ(page->angleSnap()->Text(), QStringLiteral("9"));
    EXPECT_EQ(Saved().angleSnap, 9);
    record.angleSnap = 15;
    page->LoadFromProfile(record);
    EXPECT_EQ(Saved().angleSnap, 15);
}

TEST_F(SensorPageTest, SaveRightAfterLoadGivesBackAnyProfileThePageCouldHaveWritten) {
    const std::vector<ProfileRecord> profiles = GenerateSensorProfiles(40, 14);
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        const ProfileRecord& profile = profiles[i];
        page->LoadFromProfile(profile);
        page->ControlNotification(CSensorDlg::kSeparateId, 0);
        // The other profile a window would save into.
        ProfileRecord saved = profiles[(i + 1) % profiles.size()];
        page->SaveToProfile(saved);
        EXPECT_EQ(SensorFields::Of(saved), SensorFields::Of(profile)) << "profile " << i;
        EXPECT_EQ(saved.doubleClickSetting, profiles[(i + 1) % profiles.size()].doubleClickSetting)
            << "the page keeps to its own fields";
    }
}

TEST_F(SensorPageTest, ASurfaceLevelWithoutAPictureShowsOnlyTheBackground) {
    const auto surfacePicture = [this] {
        return page->surface()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    ProfileRecord record = MakeDefaultProfile();
    record.surfaceQuality = 10;
    page->LoadFromProfile(record);
    const QImage levelTen = surfacePicture();
    record.surfaceQuality = 0;
    page->LoadFromProfile(record);
    const QImage background = surfacePicture();
    ASSERT_NE(levelTen, background);

    record.surfaceQuality = 11;
    page->LoadFromProfile(record);
    EXPECT_EQ(page->surface()->currentImageIndex(), 11);
    EXPECT_EQ(surfacePicture(), background);
    EXPECT_EQ(Saved().surfaceQuality, 11) << "kept as it came";
}

}  // namespace
}  // namespace orvex::ui::testing
