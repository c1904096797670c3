// orvex-sk: the ORVEX SK configurator's window, living in the tray. With --simulate it drives the
// virtual mouse instead of the real one, kept in a state file that orvexctl can share; --hidden
// starts it in the tray only; --autostart on|off writes or removes the login entry doing that.

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include "core/device/DeviceLink.h"
#include "core/device/LoggingTransport.h"
#include "core/device/SteadyClock.h"
#include "core/log/Log.h"
#include "orvex/BuildInfo.h"
#include "platform/Autostart.h"
#include "platform/DeviceMonitor.h"
#include "platform/FreedMemory.h"
#include "platform/KeyboardHook.h"
#include "platform/PointerSettings.h"
#include "platform/TerminationRequests.h"
#include "platform/WindowKeys.h"
#include "platform/linux/HidrawTransport.h"
#include "sim/VirtualMouse.h"
#include "sim/VirtualMouseTransport.h"
#include "tools/LockedStateFileShare.h"
#include "ui/app/BrowserLauncher.h"
#include "ui/app/CTESKDlg.h"
#include "ui/app/DeviceChangeWatcher.h"
#include "ui/app/OrvexApplication.h"
#include "ui/app/SingleInstance.h"
#include "ui/macros/KeyboardHookSlot.h"
#include "ui/macros/WindowKeyFeed.h"
#include "ui/sensor/CPopDlg.h"
#include "ui/skin/SkinImageSet.h"

namespace {

using namespace orvex;

struct Options {
    bool simulate = false;
    // With the virtual mouse, the desktop's pointer settings follow its profiles only when asked.
    bool desktopSettings = false;
    QString stateFile;  // empty: a fresh virtual mouse in memory
    bool hidden = false;
    std::optional<bool> autostart;  // --autostart on|off: only change the login entry
};

const QString kHiddenOption = QStringLiteral("hidden");
const QString kAutostartOption = QStringLiteral("autostart");

// The mouse the window talks to, the real one or the virtual one. The virtual mouse runs on the
// real clock too, so its waits feel like the real mouse's.
struct MouseBackend {
    SteadyClock clock;
    std::unique_ptr<sim::VirtualMouse> virtualMouse;
    std::unique_ptr<tools::LockedStateFileShare> share;
    std::unique_ptr<HidTransport> transport;
    // The transport the link speaks through: `transport` itself, or a wrapper that logs every
    // exchange when debugging.
    std::unique_ptr<HidTransport> loggingTransport;
    std::unique_ptr<DeviceLink> link;
};

std::unique_ptr<MouseBackend> MakeBackend(const Options& options, Log& log) {
    auto backend = std::make_unique<MouseBackend>();
    if (!options.simulate) {
        backend->transport = std::make_unique<platform::HidrawTransport>();
    } else {
        backend->virtualMouse = std::make_unique<sim::VirtualMouse>();
        if (!options.stateFile.isEmpty()) {
            // Each exchange takes the file's lock and reloads it, so orvexctl's changes (an unplug
            // above all) reach the window and the window's uploads reach orvexctl.
            backend->share =
                std::make_unique<tools::LockedStateFileShare>(options.stateFile.toStdString());
        }
        backend->transport = std::make_unique<sim::VirtualMouseTransport>(*backend->virtualMouse,
                                                                          backend->share.get());
    }
    HidTransport* spoken = backend->transport.get();
    if (log.Enabled()) {
        backend->loggingTransport = std::make_unique<LoggingTransport>(*backend->transport, log);
        spoken = backend->loggingTransport.get();
    }
    backend->link = std::make_unique<DeviceLink>(*spoken, backend->clock);
    return backend;
}

// --simulate may stand alone or carry its file (--simulate=FILE); the parser wants one or the
// other, so a bare one is given an empty file.
QStringList WithSimulateValue(QStringList arguments) {
    for (QString& argument : arguments) {
        if (argument == QLatin1String("--simulate")) {
            argument = QStringLiteral("--simulate=");
        }
    }
    return arguments;
}

// Nothing, with the reason on standard error, when an option's value is wrong; --help and
// --version print their text and end the program here.
std::optional<Options> ParseOptions(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Configures the ORVEX SK optical gaming mouse; lives in the tray."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption simulate(
        QStringLiteral("simulate"),
        QStringLiteral("Use the virtual mouse instead of the real one: --simulate alone makes a "
                       "fresh one in memory, --simulate=STATE_FILE keeps it in that file, which "
                       "orvexctl --simulate=STATE_FILE shares."),
        QStringLiteral("STATE_FILE"));
    parser.addOption(simulate);
    const QCommandLineOption desktopSettings(
        QStringLiteral("desktop-settings"),
        QStringLiteral("With --simulate, let the virtual mouse's profiles change the desktop's "
                       "pointer settings (double-click time, pointer speed, acceleration), as the "
                       "real mouse's do."));
    parser.addOption(desktopSettings);
    const QCommandLineOption hidden(
        kHiddenOption, QStringLiteral("Start in the tray without showing the window; the tray icon "
                                      "or a second start shows it."));
    parser.addOption(hidden);
    const QCommandLineOption autostart(
        kAutostartOption,
        QStringLiteral("Write (on) or remove (off) your login entry that starts the program "
                       "hidden in the tray, then end."),
        QStringLiteral("on|off"));
    parser.addOption(autostart);
    parser.process(WithSimulateValue(app.arguments()));

    Options options;
    if (parser.isSet(autostart)) {
        const QString value = parser.value(autostart);
        if (value != QLatin1String("on") && value != QLatin1String("off")) {
            std::fprintf(stderr, "orvex-sk: --autostart takes on or off, not '%s'\n",
                         qPrintable(value));
            return std::nullopt;
        }
        options.autostart = value == QLatin1String("on");
    }
    options.hidden = parser.isSet(hidden);
    options.simulate = parser.isSet(simulate);
    options.desktopSettings = parser.isSet(desktopSettings);
    if (options.simulate && !parser.value(simulate).isEmpty()) {
        // The folder watch needs a full path; orvexctl may be run from another folder.
        options.stateFile = QFileInfo(parser.value(simulate)).absoluteFilePath();
    }
    return options;
}

// --help, --version and --autostart need no display; every other start does.
bool NeedsNoDisplay(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* text : {"--help", "-h", "--help-all", "--version", "-v"}) {
            if (std::strcmp(argv[i], text) == 0) {
                return true;
            }
        }
        if (std::strncmp(argv[i], "--autostart", std::strlen("--autostart")) == 0) {
            return true;
        }
    }
    return false;
}

// The application name is also the X11 window class the desktop entry names, and the desktop
// file name ties the windows to that entry where the window system asks for it (Wayland).
void SetApplicationNames() {
    QCoreApplication::setApplicationName(QString::fromLatin1(kWindowProgramName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kReleaseVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
}

int ChangeAutostart(bool on) {
    const std::unique_ptr<platform::Autostart> autostart =
        platform::MakeUserAutostart(kApplicationId);
    if (!autostart) {
        std::fprintf(stderr, "orvex-sk: no configuration folder: set HOME or XDG_CONFIG_HOME\n");
        return 1;
    }
    const platform::AutostartOutcome outcome =
        on ? autostart->Enable(QCoreApplication::applicationFilePath().toStdString(),
                               "--" + kHiddenOption.toStdString())
           : autostart->Disable();
    std::fprintf(outcome.ok ? stdout : stderr, "%s\n", outcome.message.c_str());
    return outcome.ok ? 0 : 1;
}

int Run(const QApplication& app) {
    const std::optional<Options> parsed = ParseOptions(app);
    if (!parsed) {
        return 1;
    }
    const Options& options = *parsed;

    ui::SingleInstance instance;
    if (instance.ClaimInstance() == ui::SingleInstance::Claim::AnotherRuns) {
        return 0;
    }

    // The program's services, made once here and handed down; they outlive the windows.
    StreamLog log(stderr, DebugLogRequested());
    const std::unique_ptr<MouseBackend> backend = MakeBackend(options, log);
    // Trying the program on its virtual mouse must not rewrite the user's desktop settings.
    const std::unique_ptr<platform::PointerSettings> pointer =
        options.simulate && !options.desktopSettings
            ? std::make_unique<platform::UnappliedPointerSettings>(
                  "the virtual mouse changes the desktop only with --desktop-settings")
            : platform::MakeDesktopPointerSettings();
    // Where no system-wide hook can be had, the hook hears the keys the program's windows get.
    platform::WindowKeys windowKeys;
    const ui::WindowKeyFeed windowKeyFeed(windowKeys);
    ui::KeyboardHookSlot keyboardHook(
        [windowSystem = QGuiApplication::platformName().toStdString(), &windowKeys] {
            return platform::MakeDesktopKeyboardHook(windowSystem, windowKeys);
        });
    ui::ModalPopupRunner popups({*backend->link, keyboardHook, log});
    const ui::WindowServices services{
        .link = *backend->link,
        .log = log,
        .popups = popups,
        .keyboardHook = keyboardHook,
        .pointer = pointer.get(),
        .openUrl = [&log](const QUrl& url) { ui::OpenInBrowser(url, log); },
    };

    ui::OrvexApplication program(services, {}, instance);
    program.EndOnTerminationRequests(platform::CatchTerminationRequests());
    program.Start(!options.hidden);
    // Every control now holds its own piece of the skin; what a later pop-up needs is read again.
    // Done while the display maps the window.
    ui::SkinImageSet::Instance().ReleaseImages();
    platform::ReturnFreedMemoryToSystem();
    if (!options.simulate) {
        program.WatchSystemHotplug(platform::MakeSystemDeviceMonitor());
    } else if (!options.stateFile.isEmpty()) {
        HidTransport& transport = *backend->transport;
        program.WatchStateFile(options.stateFile, [&transport] {
            return ui::DeviceChangeWatcher::TransportListsMouse(transport);
        });
    }
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    SetApplicationNames();
    if (NeedsNoDisplay(argc, argv)) {
        const QCoreApplication app(argc, argv);
        const std::optional<Options> options = ParseOptions(app);
        if (!options) {
            return 1;
        }
        return options->autostart ? ChangeAutostart(*options->autostart) : 0;
    }
    // Decoding the skin takes about as long as connecting to the display: both run at once.
    ui::SkinImageSet& skin = ui::SkinImageSet::Instance();
    skin.StartLoading();
    const QApplication app(argc, argv);
    const int exitCode = Run(app);
    // A start that ended before its window (another copy runs, a wrong option) leaves no
    // decoding running into the program's exit.
    skin.StopLoading();
    return exitCode;
}
