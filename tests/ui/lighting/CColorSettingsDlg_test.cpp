#include "ui/lighting/CColorSettingsDlg.h"

#include <QSignalSpy>
#include <QTest>

#include "LightingPageRig.h"
#include "ui/layout/ColorSettingsLayout.h"
#include "ui/lighting/CColorPanel.h"
#include "ui/lighting/CTavCbnColorButton.h"
#include "ui/lighting/CTavMouseStatic.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavCheckBox.h"
#include "ui/skin/CTavEdit.h"

namespace orvex::ui::testing {
namespace {

namespace cs = layout::colorsettings;

constexpr std::size_t kWheel = CTavMouseStatic::kWheelZone;
constexpr std::size_t kLogo = CTavMouseStatic::kLogoZone;
constexpr int kNoButton = -1;

// A record the page can show, steady, with the zones in two different colours.
constexpr LightingValues kSteady{15, 1, 0x00332211, 0x00665544};

class CColorSettingsDlgTest : public LightingPageTest {
  protected:
    bool Checked(int controlId) const { return page->button(controlId)->IsChecked(); }
    bool Shown(int controlId) const { return page->control(controlId)->isVisible(); }

    // The one checked button of a radio group, or kNoButton.
    int CheckedOf(std::initializer_list<int> group) const {
        int checked = kNoButton;
        for (int id : group) {
            if (Checked(id)) {
                EXPECT_EQ(checked, kNoButton) << "two checked: " << checked << ", " << id;
                checked = id;
            }
        }
        return checked;
    }
    int LightingState() const { return CheckedOf({cs::kOnId, cs::kOffId, cs::kSelectId}); }
    int Effect() const {
        return CheckedOf({cs::kEffectFirstId, cs::kEffectFirstId + 1, cs::kEffectFirstId + 2,
                          cs::kEffectFirstId + 3});
    }

    QStringList FieldTexts() const {
        return {page->colourField(0)->text(), page->colourField(1)->text(),
                page->colourField(2)->text()};
    }

    void TypeInto(std::size_t field, const QString& text) {
        CTavEdit* edit = page->colourField(field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    void PickFromPanel(int buttonId, QPoint cell) {
        Click(buttonId);
        CColorPanel* panel = page->colourButton(buttonId)->panel();
        ASSERT_TRUE(panel->isVisible());
        QTest::mouseClick(panel, Qt::LeftButton, {}, cell);
    }

    void StopPreviewTimers() {
        preview().effectTimer().stop();
        preview().colourShiftTimer().stop();
    }
};

TEST_F(CColorSettingsDlgTest, StartsOnSolidSteadyColoursWithTheZoneEntriesHidden) {
    EXPECT_EQ(LightingState(), cs::kOnId);
    EXPECT_EQ(Effect(), cs::kEffectFirstId);
    EXPECT_TRUE(Checked(cs::kSolidColorId));
    EXPECT_FALSE(Checked(cs::kColorShiftId));
    for (int hidden :
         {cs::kScrollWheelId, cs::kLogoTypeId, cs::kZone1ColourId, cs::kZone4ColourId}) {
        EXPECT_FALSE(Shown(hidden)) << hidden;
    }
    for (int fixed : {cs::kDpiButtonsId, cs::kDpiIndicatorId}) {
        EXPECT_FALSE(page->control(fixed)->isEnabled()) << fixed;
        EXPECT_TRUE(Shown(fixed));
    }
    EXPECT_TRUE(page->fieldPollTimer().intervalAsDuration() == std::chrono::milliseconds(100));
    EXPECT_EQ(page->control(cs::GridCellId(3, 4))->geometry(), QRect(661, 202, 22, 22));
    EXPECT_EQ(page->preview()->geometry(), QRect(257, 75, 205, 212));
}

TEST_F(CColorSettingsDlgTest, TheZoneMaskShowsItsStateAndIsStoredBackAsThePageWritesIt) {
    struct Case {
        std::int32_t mask;
        int state;
        bool wheelTicked;
        bool logoTicked;
        bool wheelLit;
        bool logoLit;
        std::int32_t stored;
    };
    const Case cases[] = {
        {15, cs::kOnId, false, false, true, true, 15},
        {0, cs::kOffId, false, false, false, false, 0},
        {17, cs::kSelectId, true, false, true, false, 17},
        {24, cs::kSelectId, false, true, false, true, 24},
        // Bits 1 and 2 are not the page's: they are dropped.
        {0x1F, cs::kSelectId, true, true, true, true, 25},
        {0x16, cs::kSelectId, false, false, false, false, 16},
        // Neither ON, OFF nor Select: nothing checked, stored as OFF.
        {3, kNoButton, false, false, false, false, 0},
    };
    for (const Case& c : cases) {
        Load({0, 1, 0, 0});  // dark, so a mask that lights nothing leaves the zones dark
        Load({c.mask, 1, 0x00FF0000, 0x000000FF});
        EXPECT_EQ(LightingState(), c.state) << c.mask;
        const bool select = c.state == cs::kSelectId;
        for (int entry :
             {cs::kScrollWheelId, cs::kLogoTypeId, cs::kZone1ColourId, cs::kZone4ColourId}) {
            EXPECT_EQ(Shown(entry), select) << c.mask << " " << entry;
        }
        EXPECT_EQ(page->checkBox(cs::kScrollWheelId)->IsChecked(), c.wheelTicked) << c.mask;
        EXPECT_EQ(page->checkBox(cs::kLogoTypeId)->IsChecked(), c.logoTicked) << c.mask;
        EXPECT_EQ(preview().zoneLit(kWheel), c.wheelLit) << c.mask;
        EXPECT_EQ(preview().zoneLit(kLogo), c.logoLit) << c.mask;
        EXPECT_EQ(Saved().zones, c.stored) << c.mask;
    }
}

TEST_F(CColorSettingsDlgTest, TheEffectShowsItsButtonAndModeAndAnythingElseIsStoredAsNone) {
    struct Case {
        std::int32_t effect;
        int button;
        int mode;
        bool colourShift;
        std::int32_t stored;
    };
    const Case cases[] = {
        {1, cs::kEffectFirstId, CTavMouseStatic::kSteady, false, 1},
        {2, cs::kEffectFirstId + 1, CTavMouseStatic::kBlink, false, 2},
        {3, cs::kEffectFirstId + 2, CTavMouseStatic::kPulse, false, 3},
        {4, cs::kEffectFirstId + 3, CTavMouseStatic::kBreathe, false, 4},
        {16 + 2, cs::kEffectFirstId + 1, CTavMouseStatic::kBlink, true, 18},
        // No effect: the preview goes on with the one it had (blinking, from the row above).
        {0, kNoButton, CTavMouseStatic::kBlink, false, 0},
        {5, kNoButton, CTavMouseStatic::kBlink, false, 0},
        {16, kNoButton, CTavMouseStatic::kBlink, true, 16},
        {16 + 5, kNoButton, CTavMouseStatic::kBlink, true, 16},
    };
    for (const Case& c : cases) {
        Load({15, c.effect, 0x00FF0000, 0x000000FF});
        EXPECT_EQ(Effect(), c.button) << c.effect;
        EXPECT_EQ(preview().animationMode(), c.mode) << c.effect;
        EXPECT_EQ(Checked(cs::kColorShiftId), c.colourShift) << c.effect;
        EXPECT_EQ(Checked(cs::kSolidColorId), !c.colourShift) << c.effect;
        EXPECT_EQ(preview().colourShiftTimer().isActive(), c.colourShift) << c.effect;
        EXPECT_EQ(page->control(cs::kGridFirstId)->isEnabled(), !c.colourShift) << c.effect;
        EXPECT_EQ(Saved().effect, c.stored) << c.effect;
    }
}

TEST_F(CColorSettingsDlgTest, ZoneColoursAreShownAsOpaqueArgbAndStoredBackAsTheyCame) {
    Load(kSteady);
    EXPECT_EQ(preview().shownColour(kWheel), 0xFF112233u);
    EXPECT_EQ(preview().shownColour(kLogo), 0xFF445566u);
    EXPECT_EQ(FieldTexts(), (QStringList{"68", "85", "102"})) << "the logo's colour";

    ProfileRecord record;
    record.zoneColours = {1, 0x00ABCDEF, 0x00FEDCBA, 3};
    page->SaveToProfile(record);
    EXPECT_EQ(record.zoneColours,
              (std::array<std::uint32_t, 4>{0x00332211, 0x00ABCDEF, 0x00FEDCBA, 0x00665544}))
        << "the two fixed zones are left alone";
}

TEST_F(CColorSettingsDlgTest, APollKeepsBothZoneColoursOfAProfileShownWhileOn) {
    Load(kSteady);
    Load({15, 1, 0x000000FF, 0x00FF0000});
    page->PollColourFields();
    EXPECT_EQ(preview().shownColour(kWheel), 0xFFFF0000u);
    EXPECT_EQ(preview().shownColour(kLogo), 0xFF0000FFu);
    EXPECT_EQ((Saved()), (LightingValues{15, 1, 0x000000FF, 0x00FF0000}));
}

TEST_F(CColorSettingsDlgTest, ThePollCutsTypedNumbersToThreeDigitsAndAtMost255) {
    struct Case {
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {{"300", "255"}, {"1234", "234"}, {"256", "255"},
                          {"12", "12"},   {"007", "007"},  {"9999", "255"}};
    for (const Case& c : cases) {
        TypeInto(1, QString::fromLatin1(c.typed));
        page->PollColourFields();
        EXPECT_EQ(page->colourField(1)->text(), QString::fromLatin1(c.kept)) << c.typed;
        if (std::string_view(c.typed) != c.kept) {
            EXPECT_EQ(page->colourField(1)->cursorPosition(), 3) << c.typed;
        }
    }
    TypeInto(0, QStringLiteral("a7"));
    EXPECT_EQ(page->colourField(0)->text(), QStringLiteral("7")) << "digits only";
}

TEST_F(CColorSettingsDlgTest, ATypedColourShowsInBothZonesOnlyWhileOn) {
    Load(kSteady);
    TypeInto(0, QStringLiteral("10"));
    TypeInto(1, QStringLiteral("20"));
    TypeInto(2, QStringLiteral("300"));
    page->PollColourFields();
    EXPECT_EQ(preview().shownColour(kWheel), 0xFF0A14FFu);
    EXPECT_EQ(preview().shownColour(kLogo), 0xFF0A14FFu);
    EXPECT_EQ(Saved().wheelColour, 0x00FF140Au);

    Click(cs::kSelectId);
    TypeInto(0, QStringLiteral("99"));
    page->PollColourFields();
    EXPECT_EQ(preview().shownColour(kWheel), 0xFF0A14FFu) << "not while Select";
}

TEST_F(CColorSettingsDlgTest, AGridClickColoursBothZonesAndAPanelPickOnlyItsOwn) {
    Load(kSteady);
    Click(cs::kSelectId);
    Click(cs::GridCellId(2, 3));  // "34", pure blue
    EXPECT_EQ(preview().shownColour(kWheel), 0xFF0000FFu);
    EXPECT_EQ(preview().shownColour(kLogo), 0xFF0000FFu);
    EXPECT_EQ(FieldTexts(), (QStringList{"0", "0", "255"}));

    PickFromPanel(cs::kZone1ColourId, QPoint(30, 30));  // cell 7, green
    EXPECT_EQ(preview().shownColour(kWheel), 0xFF00FF00u);
    EXPECT_EQ(preview().shownColour(kLogo), 0xFF0000FFu);

    PickFromPanel(cs::kZone4ColourId, QPoint(70, 50));  // cell 14, blue
    EXPECT_EQ(preview().shownColour(kLogo), 0xFF0000FFu);
    EXPECT_EQ(Saved(), (LightingValues{16, 1, 0x0000FF00, 0x00FF0000}));
}

TEST_F(CColorSettingsDlgTest, PanelCell14GivesPureBlueAndAGapPicksNothing) {
    Load(kSteady);
    Click(cs::kSelectId);
    Click(cs::kZone1ColourId);
    CColorPanel* panel = page->colourButton(cs::kZone1ColourId)->panel();
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(21, 10));
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(preview().shownColour(kWheel), 0xFF112233u);

    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(70, 50));
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(page->colourButton(cs::kZone1ColourId)->colour(), 0x00FF0000u);
    EXPECT_EQ(preview().shownColour(kWheel), 0xFF0000FFu);
    EXPECT_EQ(preview().savedColour(kWheel), 0xFF0000FFu);
    EXPECT_EQ(Saved().wheelColour, 0x00FF0000u);
}

TEST_F(CColorSettingsDlgTest, SwitchingPagesHidesAnOpenPanel) {
    Click(cs::kSelectId);
    Click(cs::kZone4ColourId);
    CColorPanel* panel = page->colourButton(cs::kZone4ColourId)->panel();
    ASSERT_TRUE(panel->isVisible());
    page->hide();
    EXPECT_FALSE(panel->isVisible());
}

TEST_F(CColorSettingsDlgTest, TheColourCycleStoresTheColoursShownWhenItWasSwitchedOn) {
    Load(kSteady);
    Click(cs::GridCellId(0, 4));  // "15", yellow
    Click(cs::kColorShiftId);
    StopPreviewTimers();
    EXPECT_FALSE(page->control(cs::GridCellId(0, 0))->isEnabled());
    preview().TickColourShift();
    EXPECT_EQ(preview().shownColour(kWheel), 0xFFF08705u);
    const LightingValues yellow{15, 17, 0x0000FFFF, 0x0000FFFF};
    EXPECT_EQ(Saved(), yellow);

    // Choosing the cycle again keeps the user's colours, not the cycling ones.
    Click(cs::kColorShiftId);
    StopPreviewTimers();
    preview().TickColourShift();
    EXPECT_EQ(Saved(), yellow);

    // A panel pick while cycling is the user's colour of that zone.
    Click(cs::kSelectId);
    PickFromPanel(cs::kZone4ColourId, QPoint(70, 50));
    EXPECT_EQ(Saved(), (LightingValues{16, 17, 0x0000FFFF, 0x00FF0000}));

    Click(cs::kSolidColorId);
    EXPECT_FALSE(preview().colourShiftTimer().isActive());
    EXPECT_TRUE(page->control(cs::GridCellId(0, 0))->isEnabled());
    EXPECT_EQ(preview().shownColour(kWheel), 0xFFFFFF00u);
    EXPECT_EQ(preview().shownColour(kLogo), 0xFF0000FFu);

    // Steady colours chosen afterwards stay when "Solid Color" is chosen again.
    Click(cs::GridCellId(1, 1));  // "22", green
    Click(cs::kSolidColorId);
    EXPECT_EQ(Saved(), (LightingValues{16, 1, 0x0000FF00, 0x0000FF00}));
}

TEST_F(CColorSettingsDlgTest, TheLightingStateAndEffectRadiosKeepOneCheckedAndDriveThePreview) {
    Load(kSteady);
    Click(cs::kSelectId);
    EXPECT_EQ(LightingState(), cs::kSelectId);
    EXPECT_FALSE(preview().zoneLit(kWheel));
    EXPECT_FALSE(preview().zoneLit(kLogo));
    Click(cs::kScrollWheelId);
    EXPECT_TRUE(preview().zoneLit(kWheel));
    EXPECT_EQ(Saved().zones, 17);

    Click(cs::kOffId);
    EXPECT_EQ(LightingState(), cs::kOffId);
    EXPECT_FALSE(Shown(cs::kScrollWheelId));
    EXPECT_FALSE(preview().zoneLit(kWheel));

    Click(cs::kSelectId);
    EXPECT_FALSE(page->checkBox(cs::kScrollWheelId)->IsChecked()) << "shown unticked";
    Click(cs::kOnId);
    EXPECT_TRUE(preview().zoneLit(kWheel) && preview().zoneLit(kLogo));
    EXPECT_EQ(Saved().zones, 15);

    Click(cs::kEffectFirstId + 2);
    EXPECT_EQ(Effect(), cs::kEffectFirstId + 2);
    EXPECT_EQ(preview().animationMode(), CTavMouseStatic::kPulse);
    Click(cs::kEffectFirstId);
    EXPECT_EQ(preview().animationMode(), CTavMouseStatic::kSteady);
    EXPECT_EQ(Saved().effect, 1);
}

TEST_F(CColorSettingsDlgTest, EnterAsksForTheValuesToBeWrittenBackAndTheKeyGoesOn) {
    QSignalSpy writeBack(page.get(), &ProfilePage::WriteBackRequested);
    TypeInto(2, QStringLiteral("7"));
    QTest::keyClick(page->colourField(2), Qt::Key_Return);
    EXPECT_EQ(writeBack.count(), 1);
    page->control(cs::kOnId)->setFocus();
    QTest::keyClick(page->control(cs::kOnId), Qt::Key_Enter);
    EXPECT_EQ(writeBack.count(), 2);
    QTest::keyClick(page->colourField(2), Qt::Key_A);
    EXPECT_EQ(writeBack.count(), 2);
    EXPECT_TRUE(page->isVisible()) << "Enter never closes the page";
}

TEST_F(CColorSettingsDlgTest, SaveRightAfterLoadGivesBackAnyRecordThePageWrites) {
    for (const LightingValues& values : GeneratedLighting(15, 40)) {
        Load(values);
        EXPECT_EQ(Saved(), values);
        page->PollColourFields();
        EXPECT_EQ(Saved(), values) << "also after a poll";
    }
}

}  // namespace
}  // namespace orvex::ui::testing
