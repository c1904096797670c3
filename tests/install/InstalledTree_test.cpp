// The installed tree: every file in its place, the desktop's own validators content, and the
// desktop entry, icon, AppStream metadata and window all carrying one application id.
#include <gtest/gtest.h>

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "install/InstalledProgram.h"
#include "orvex/BuildInfo.h"

namespace orvex::testing {
namespace {

const std::string kAppId = kApplicationId;

bool HaveTool(const char* tool) {
    return !QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty();
}

QString ReadText(const QString& file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? QString::fromUtf8(in.readAll()) : QString();
}

TEST(InstalledTree, HoldsEveryFileInItsPlace) {
    std::vector<std::string> expected = {
        "bin/orvex-sk",
        "bin/orvexctl",
        "bin/orvex-virtual-mouse",
        "share/orvex-sk/ORVEXSK_Skins",
        "lib/udev/rules.d/70-orvex-sk.rules",
        "share/applications/" + kAppId + ".desktop",
        "share/metainfo/" + kAppId + ".metainfo.xml",
        "share/icons/hicolor/scalable/apps/" + kAppId + ".svg",
        "share/man/man1/orvex-sk.1.gz",
        "share/man/man1/orvexctl.1.gz",
        "share/man/man1/orvex-virtual-mouse.1.gz",
        "share/bash-completion/completions/orvexctl",
        "share/doc/orvex-sk/copyright",
        "share/doc/orvex-sk/changelog.gz",
    };
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        expected.push_back("share/icons/hicolor/" + std::to_string(size) + "x" +
                           std::to_string(size) + "/apps/" + kAppId + ".png");
    }
    for (const auto& relative : expected) {
        EXPECT_TRUE(std::filesystem::exists(InstalledPrefix() / relative)) << relative;
    }
    // The window must find its skin through the installed layout, not beside itself.
    EXPECT_FALSE(std::filesystem::exists(InstalledPrefix() / "bin/ORVEXSK_Skins"));
}

TEST(InstalledTree, DesktopEntryAndMetainfoPassTheirValidators) {
    if (!HaveTool("desktop-file-validate") || !HaveTool("appstreamcli")) {
        GTEST_SKIP() << "desktop-file-validate or appstreamcli is not installed (packages "
                        "desktop-file-utils, appstream; scripts/deps installs them)";
    }
    const ProgramRun desktop = RunProgram(QStringLiteral("desktop-file-validate"),
                                          {Installed("share/applications/" + kAppId + ".desktop")});
    EXPECT_EQ(desktop.exitCode, 0) << desktop.out.toStdString() << desktop.err.toStdString();
    EXPECT_EQ((desktop.out + desktop.err).toStdString(), "") << "not even a hint";

    const ProgramRun metainfo = RunProgram(
        QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                         Installed("share/metainfo/" + kAppId + ".metainfo.xml")});
    EXPECT_EQ(metainfo.exitCode, 0) << metainfo.out.toStdString() << metainfo.err.toStdString();
}

TEST(InstalledTree, DesktopEntryIconMetainfoAndWindowShareOneId) {
    const QString desktopFile = Installed("share/applications/" + kAppId + ".desktop");
    const QString id = QString::fromStdString(kAppId);
    EXPECT_EQ(DesktopEntryValue(desktopFile, QStringLiteral("Icon")), id);
    EXPECT_EQ(DesktopEntryValue(desktopFile, QStringLiteral("Exec")), QStringLiteral("orvex-sk"));
    EXPECT_EQ(DesktopEntryValue(desktopFile, QStringLiteral("StartupWMClass")),
              QString::fromLatin1(kWindowProgramName));
    EXPECT_EQ(DesktopEntryValue(desktopFile, QStringLiteral("Categories")),
              QStringLiteral("Settings;HardwareSettings;"));

    const QString metainfo = ReadText(Installed("share/metainfo/" + kAppId + ".metainfo.xml"));
    EXPECT_TRUE(metainfo.contains(QStringLiteral("<id>") + id + QStringLiteral("</id>")));
    EXPECT_TRUE(metainfo.contains(QStringLiteral("<launchable type=\"desktop-id\">") + id +
                                  QStringLiteral(".desktop</launchable>")));
    // Software centres offer the program when a device with this USB id is plugged in.
    EXPECT_TRUE(metainfo.contains(QStringLiteral("<modalias>usb:v2A3Cp3B19d*</modalias>")));
    EXPECT_TRUE(metainfo.contains(QStringLiteral("<release version=\"") +
                                  QString::fromLatin1(kReleaseVersion)));
}

TEST(InstalledPrograms, AnswerTheirVersionAndOrvexctlDrivesTheVirtualMouse) {
    for (const char* program : {"orvex-sk", "orvexctl", "orvex-virtual-mouse"}) {
        const ProgramRun version =
            RunProgram(Installed(std::string("bin/") + program), {QStringLiteral("--version")});
        EXPECT_EQ(version.exitCode, 0) << program;
        EXPECT_EQ(version.out.trimmed(),
                  QString::fromLatin1(program) + u' ' + QString::fromLatin1(kReleaseVersion));
    }
    const ProgramRun info = RunProgram(Installed("bin/orvexctl"),
                                       {QStringLiteral("--simulate"), QStringLiteral("info")});
    EXPECT_EQ(info.exitCode, 0) << info.err.toStdString();
    EXPECT_EQ(info.out, QStringLiteral("firmware: 1.22\nactive profile: 1\n"));
}

TEST(InstalledPrograms, AutostartOnWritesAValidEntryStartingTheInstalledProgramHidden) {
    QTemporaryDir config;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    environment.remove(QStringLiteral("DISPLAY"));  // it needs none
    const QString program = Installed("bin/orvex-sk");
    const QString entry = config.filePath(
        QStringLiteral("autostart/") + QString::fromStdString(kAppId) + QStringLiteral(".desktop"));

    const ProgramRun on =
        RunProgram(program, {QStringLiteral("--autostart"), QStringLiteral("on")}, environment);
    ASSERT_EQ(on.exitCode, 0) << on.err.toStdString();
    EXPECT_TRUE(on.out.contains(entry)) << on.out.toStdString();
    EXPECT_EQ(DesktopEntryValue(entry, QStringLiteral("Exec")),
              program + QStringLiteral(" --hidden"));
    if (HaveTool("desktop-file-validate")) {
        const ProgramRun valid = RunProgram(QStringLiteral("desktop-file-validate"), {entry});
        EXPECT_EQ(valid.exitCode, 0) << valid.out.toStdString();
    }

    const ProgramRun off = RunProgram(program, {QStringLiteral("--autostart=off")}, environment);
    EXPECT_EQ(off.exitCode, 0) << off.err.toStdString();
    EXPECT_FALSE(QFile::exists(entry));

    const ProgramRun wrong =
        RunProgram(program, {QStringLiteral("--autostart"), QStringLiteral("maybe")}, environment);
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_TRUE(wrong.err.contains(QStringLiteral("on or off"))) << wrong.err.toStdString();
}

}  // namespace
}  // namespace orvex::testing
