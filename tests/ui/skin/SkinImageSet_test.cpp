#include "ui/skin/SkinImageSet.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

#include "ui/skin/MessageBox.h"
#include "ui/skin/SkinFiles.h"
#include "ui/skin/SkinTestFolder.h"

namespace orvex::ui {
namespace {

using testing::SkinTestFolder;

const QString kFailureText = QStringLiteral("ui load failed!");
const QRect kControlRect(5, 6, 10, 8);

// Runs the event loop as the program would after the current handler returns. Returns the exit
// code, or -1 when nothing asked the loop to end.
int RunEventLoopBriefly() {
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    guard.start(500);
    return QCoreApplication::exec();
}

class SkinImageSetTest : public ::testing::Test {
  protected:
    void SetUp() override { MessageBox::TakeShownTexts(); }
    void TearDown() override {
        // Leave no pending quit request behind for later tests.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    }

    SkinTestFolder folder;
};

enum class Expect { Shared, Copy, Crop, Failure };

// States as the numbers requests carry, so that numbers outside the four states can be tried.
struct ElementCase {
    int element;
    int state;
    Expect expect;
    int slot;
};

// Both ends of every range, the odd scroll-arrow mapping, and every kind of invalid request.
const ElementCase kElementCases[] = {
    {0, 2, Expect::Copy, kSlotMainNormal},
    {1, 0, Expect::Crop, 0},
    {21, 3, Expect::Crop, 3},
    {22, 1, Expect::Shared, kSlotMouseSettingNormal},
    {23, 1, Expect::Crop, 5},
    {48, 2, Expect::Crop, 6},
    {49, 0, Expect::Shared, kSlotSensorNormal},
    {50, 0, Expect::Crop, 8},
    {59, 3, Expect::Crop, 11},
    {60, 0, Expect::Failure, -1},
    {61, 1, Expect::Crop, 9},
    {71, 2, Expect::Crop, 10},
    {72, 0, Expect::Shared, kSlotColorSettingBackground},
    {73, 0, Expect::Crop, 13},
    {112, 3, Expect::Crop, 16},
    {113, 0, Expect::Copy, kSlotMouse},
    {114, 0, Expect::Shared, kSlotMacroSettingBackground},
    {115, 1, Expect::Crop, 19},
    {122, 3, Expect::Crop, 21},
    {123, 0, Expect::Shared, kSlotSupportNormal},
    {124, 0, Expect::Crop, 22},
    {129, 2, Expect::Crop, 24},
    {130, 0, Expect::Copy, kSlotSliderNormal},
    {131, 0, Expect::Copy, kSlotSliderDisable},
    {132, 0, Expect::Copy, kSlotSlider1},
    {133, 0, Expect::Copy, kSlotSlider2},
    {134, 3, Expect::Copy, kSlotSlider3},
    {135, 0, Expect::Copy, kSlotScrollNormal},
    {136, 0, Expect::Crop, kSlotScrollDown},
    {138, 1, Expect::Crop, kSlotScrollOver},
    {137, 2, Expect::Failure, -1},
    {139, 0, Expect::Copy, kSlotColorPanel},
    {140, 0, Expect::Shared, kSlotReNameNormal},
    {141, 0, Expect::Crop, 33},
    {144, 3, Expect::Crop, 36},
    {145, 0, Expect::Shared, 40},
    {146, 1, Expect::Crop, 41},
    {147, 3, Expect::Failure, -1},
    {148, 0, Expect::Shared, 43},
    {151, 2, Expect::Crop, 45},
    {152, 0, Expect::Shared, 46},
    {155, 0, Expect::Crop, 46},
    {156, 0, Expect::Shared, 49},
    {157, 2, Expect::Crop, 51},
    {161, 1, Expect::Crop, 50},
    {162, 0, Expect::Shared, 52},
    {164, 2, Expect::Crop, 54},
    {165, 0, Expect::Shared, 55},
    {168, 1, Expect::Crop, 56},
    {169, 0, Expect::Shared, 58},
    {170, 0, Expect::Crop, 58},
    {173, 3, Expect::Crop, 61},
    {174, 0, Expect::Failure, -1},
    {-1, 0, Expect::Failure, -1},
    {5, 4, Expect::Failure, -1},
    {5, -1, Expect::Failure, -1},
};

TEST_F(SkinImageSetTest, ElementsResolveToSharedCopiedOrCroppedImagesOrFail) {
    for (const ElementCase& c : kElementCases) {
        SCOPED_TRACE(::testing::Message() << "element " << c.element << " state " << c.state);
        SkinImageSet set(folder.path());
        const QImage image =
            set.GetSkinImage(c.element, static_cast<SkinState>(c.state), kControlRect);
        const QImage& source = set.SlotImage(c.slot);
        switch (c.expect) {
            case Expect::Shared:
                EXPECT_EQ(image.cacheKey(), source.cacheKey());
                break;
            case Expect::Copy:
                EXPECT_NE(image.cacheKey(), source.cacheKey());
                EXPECT_EQ(image, SkinTestFolder::SlotPicture(c.slot));
                break;
            case Expect::Crop:
                EXPECT_EQ(image, SkinTestFolder::SlotPicture(c.slot).copy(kControlRect));
                break;
            case Expect::Failure:
                EXPECT_TRUE(image.isNull());
                break;
        }
        const QStringList expectedBoxes =
            c.expect == Expect::Failure ? QStringList{kFailureText} : QStringList{};
        EXPECT_EQ(MessageBox::TakeShownTexts(), expectedBoxes);
    }
}

// The family table names each state's file; the load order must hold that file at the family's
// slot for the state.
TEST(SkinFilesTest, EachFamilyStateIsItsOwnFileInTheLoadOrder) {
    for (const SkinFamilyFiles& row : kSkinFamilies) {
        for (const SkinState state : kSkinStates) {
            SCOPED_TRACE(::testing::Message() << row.stem << " state " << static_cast<int>(state));
            const int slot = FamilySlot(row.family, state);
            if (!FamilyHasState(row.family, state)) {
                EXPECT_EQ(slot, -1);
                continue;
            }
            ASSERT_GE(slot, 0);
            ASSERT_LT(slot, kSkinFileCount);
            const std::string expected =
                std::string(row.stem) + "_" + std::string(StateFileSuffix(state)) + ".bmp";
            EXPECT_EQ(kSkinFileNames[static_cast<std::size_t>(slot)], expected);
        }
    }
}

TEST_F(SkinImageSetTest, SharedElementIsTheSameImageOnEveryCallAndCopiesAreNew) {
    SkinImageSet set(folder.path());
    const QImage first = set.GetSkinImage(72, SkinState::Normal, {});
    EXPECT_EQ(set.GetSkinImage(72, SkinState::Normal, {}).cacheKey(), first.cacheKey());
    EXPECT_NE(set.GetSkinImage(113, SkinState::Normal, {}).cacheKey(),
              set.GetSkinImage(113, SkinState::Normal, {}).cacheKey());

    // A caller drawing on its shared image cannot change the set's.
    QImage mine = first;
    mine.fill(Qt::black);
    EXPECT_EQ(set.GetSkinImage(72, SkinState::Normal, {}),
              SkinTestFolder::SlotPicture(kSlotColorSettingBackground));
}

TEST_F(SkinImageSetTest, LoadsOnFirstRequestAndOnlyOnce) {
    SkinImageSet set(folder.path());
    EXPECT_FALSE(set.IsLoaded());
    EXPECT_FALSE(set.GetSkinImage(1, SkinState::Normal, kControlRect).isNull());
    EXPECT_TRUE(set.IsLoaded());

    // Files changed after loading are not read again.
    folder.WriteImage("Main_Over.bmp", SkinTestFolder::SlotPicture(40));
    set.LoadSkinImages();
    EXPECT_EQ(set.GetSkinImage(1, SkinState::Hover, kControlRect),
              SkinTestFolder::SlotPicture(1).copy(kControlRect));
}

TEST_F(SkinImageSetTest, LoadingStartedEarlyOrStoppedHalfwayStillLoadsEverySlot) {
    folder.WriteBytes("Slider1.bmp", QByteArray("BM this is no bitmap at all"));
    for (const bool stopFirst : {false, true}) {
        SCOPED_TRACE(stopFirst ? "stopped" : "started early");
        SkinImageSet set(folder.path());
        set.StartLoading();
        if (stopFirst) {
            set.StopLoading();
        }
        set.LoadSkinImages();
        for (int slot = 0; slot < kSkinFileCount; ++slot) {
            if (slot == kSlotSlider1) {
                EXPECT_TRUE(set.SlotImage(slot).isNull());
            } else {
                // Compared as the same pixel format: only the mouse picture keeps its alpha.
                EXPECT_EQ(set.SlotImage(slot).convertToFormat(QImage::Format_ARGB32),
                          SkinTestFolder::SlotPicture(slot).convertToFormat(QImage::Format_ARGB32))
                    << slot;
            }
        }
    }
}

TEST_F(SkinImageSetTest, ReleasedImagesAreReadAgainAndAFileGoneSinceFailsAsAMissingOne) {
    folder.Remove("ColorSetting_Over.bmp");
    SkinImageSet set(folder.path());
    set.LoadSkinImages();
    set.ReleaseImages();

    EXPECT_EQ(set.GetSkinImage(1, SkinState::Hover, kControlRect),
              SkinTestFolder::SlotPicture(1).copy(kControlRect));
    EXPECT_TRUE(MessageBox::TakeShownTexts().isEmpty());

    folder.Remove("Main_Down.bmp");
    EXPECT_TRUE(set.GetSkinImage(1, SkinState::Pressed, kControlRect).isNull());
    EXPECT_EQ(MessageBox::TakeShownTexts(), QStringList{kFailureText});
    EXPECT_TRUE(set.SlotImage(14).isNull()) << "a bitmap missing at start stays missing";
    EXPECT_EQ(RunEventLoopBriefly(), 0);
}

TEST_F(SkinImageSetTest, MissingFileFailsOnlyWhenACropNeedsItAndEndsTheProgram) {
    folder.Remove("ColorSetting_Over.bmp");
    SkinImageSet set(folder.path());
    set.LoadSkinImages();
    EXPECT_TRUE(set.SlotImage(14).isNull());
    EXPECT_FALSE(
        set.CropFamily(SkinFamily::ColorSetting, SkinState::Normal, kControlRect).isNull());
    EXPECT_FALSE(set.GetSkinImage(73, SkinState::Pressed, kControlRect).isNull());
    EXPECT_TRUE(MessageBox::TakeShownTexts().isEmpty());

    EXPECT_TRUE(set.CropFamily(SkinFamily::ColorSetting, SkinState::Hover, kControlRect).isNull());
    EXPECT_EQ(MessageBox::TakeShownTexts(), QStringList{kFailureText});
    // The program is on its way out: the page's further crops fail without another box.
    EXPECT_TRUE(set.GetSkinImage(90, SkinState::Hover, kControlRect).isNull());
    EXPECT_TRUE(MessageBox::TakeShownTexts().isEmpty());

    EXPECT_EQ(RunEventLoopBriefly(), 0);
}

TEST_F(SkinImageSetTest, EventLoopRunsOnWhenNothingFailed) {
    SkinImageSet set(folder.path());
    set.GetSkinImage(22, SkinState::Normal, {});
    EXPECT_EQ(RunEventLoopBriefly(), -1);
}

TEST_F(SkinImageSetTest, FileThatDoesNotDecodeLeavesItsSlotEmpty) {
    folder.WriteBytes("Slider1.bmp", QByteArray("BM this is no bitmap at all"));
    folder.WriteBytes("Slider2.bmp", QByteArray());
    SkinImageSet set(folder.path());
    set.LoadSkinImages();
    EXPECT_TRUE(set.SlotImage(kSlotSlider1).isNull());
    EXPECT_TRUE(set.SlotImage(kSlotSlider2).isNull());
    EXPECT_FALSE(set.SlotImage(kSlotSlider3).isNull());
    EXPECT_TRUE(MessageBox::TakeShownTexts().isEmpty());

    EXPECT_TRUE(set.GetSkinImage(132, SkinState::Normal, {}).isNull());
    EXPECT_EQ(MessageBox::TakeShownTexts(), QStringList{kFailureText});
}

TEST_F(SkinImageSetTest, LoadImageFileDecodesByContentAndKeepsAlpha) {
    const QImage png = SkinImageSet::LoadImageFile(folder.FilePath("Mouse.png"));
    EXPECT_TRUE(png.hasAlphaChannel());
    EXPECT_EQ(qAlpha(png.pixel(3, 3)), 128);

    // A PNG under a bitmap's name still decodes: the content decides, not the name.
    folder.WriteImage("Mouse.png", SkinTestFolder::SlotPicture(7));
    QFile::rename(folder.FilePath("Mouse.png"), folder.FilePath("renamed.bmp"));
    EXPECT_EQ(SkinImageSet::LoadImageFile(folder.FilePath("renamed.bmp")).pixel(2, 1),
              qRgb(28, 2, 1));

    EXPECT_TRUE(SkinImageSet::LoadImageFile(folder.FilePath("absent.bmp")).isNull());
}

TEST_F(SkinImageSetTest, RefusedCropGivesNoImageAndNoMessage) {
    SkinImageSet set(folder.path());
    const QRect beyondTheBitmap(60, 40, 10, 10);
    EXPECT_TRUE(set.GetSkinImage(5, SkinState::Normal, beyondTheBitmap).isNull());
    EXPECT_TRUE(set.CropFamily(SkinFamily::Main, SkinState::Hover, QRect(3, 3, 0, 5)).isNull());
    EXPECT_TRUE(MessageBox::TakeShownTexts().isEmpty());
}

TEST_F(SkinImageSetTest, InstanceCanBePointedAtATestSet) {
    SkinImageSet set(folder.path());
    SkinImageSet::SetInstanceForTests(&set);
    EXPECT_EQ(&SkinImageSet::Instance(), &set);
    SkinImageSet::SetInstanceForTests(nullptr);
    EXPECT_NE(&SkinImageSet::Instance(), &set);
}

}  // namespace
}  // namespace orvex::ui
