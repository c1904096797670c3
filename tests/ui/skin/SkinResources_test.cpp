#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QTemporaryDir>

#include "ui/skin/SkinFonts.h"
#include "ui/skin/SkinLocation.h"

namespace orvex::ui {
namespace {

TEST(SkinLocationTest, PrefersFoldersBesideTheProgramElseTheInstalledShareFolder) {
    QTemporaryDir root;
    QDir(root.path()).mkpath(QStringLiteral("bin"));
    const QString program = root.filePath(QStringLiteral("bin"));

    const SkinLocation installed = SkinLocation::ForProgramFolder(program);
    EXPECT_EQ(installed.skinFolder, root.filePath(QStringLiteral("share/orvex-sk/ORVEXSK_Skins")));
    EXPECT_EQ(
        installed.fontFile,
        root.filePath(QStringLiteral("share/orvex-sk/TESK5100_Skins/NeoSansStd-Regular.otf")));

    QDir(program).mkpath(QStringLiteral("ORVEXSK_Skins"));
    const SkinLocation beside = SkinLocation::ForProgramFolder(program);
    EXPECT_EQ(beside.skinFolder, root.filePath(QStringLiteral("bin/ORVEXSK_Skins")));
    // The typeface is looked up on its own: it is still only in the share folder.
    EXPECT_EQ(beside.fontFile, installed.fontFile);
}

TEST(SkinFontTest, SkinFaceAnswersWithTheRegisteredFileOrElseTheFreeSansFamily) {
    QTemporaryDir dir;
    const QString fontFile = dir.filePath(QStringLiteral("NeoSansStd-Regular.otf"));

    RegisterSkinFont(fontFile);
    EXPECT_EQ(QFontInfo(MakeSkinFont(kNeoSansFace, 14)).family(), kFallbackSansFace);

    // Any usable font file stands: its family answers to the skin's face name.
    const QString liberation =
        QStringLiteral("/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf");
    if (!QFile::copy(liberation, fontFile)) {
        GTEST_SKIP() << "no Liberation Sans font file to register (package fonts-liberation)";
    }
    RegisterSkinFont(fontFile);
    EXPECT_EQ(QFontInfo(MakeSkinFont(kNeoSansFace, 14)).family(),
              QStringLiteral("Liberation Sans"));
}

TEST(SkinFontTest, ArialIsArialOrItsMetricCompatibleStandIn) {
    QTemporaryDir dir;
    RegisterSkinFont(dir.filePath(QStringLiteral("NeoSansStd-Regular.otf")));
    const QString family = QFontInfo(MakeSkinFont(kArialFace, 15)).family();
    EXPECT_TRUE(family == kArialFace || family == kArialStandInFace) << family.toStdString();
}

TEST(SkinFontTest, HeightIsTheLineHeightOfTheFont) {
    for (int height : {13, 14, 15}) {
        const QFont font = MakeSkinFont(kArialFace, height);
        const int lineHeight = QFontMetrics(font).height();
        EXPECT_LE(lineHeight, height);
        EXPECT_GE(lineHeight, height - 2);
        EXPECT_EQ(font.weight(), QFont::Normal);
    }
}

}  // namespace
}  // namespace orvex::ui
