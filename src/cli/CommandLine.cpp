#include "cli/CommandLine.h"

#include <unistd.h>

#include <iostream>

#include "cli/CommandLineParts.h"
#include "cli/DeviceCommandsCli.h"
#include "cli/DoctorCli.h"
#include "cli/ExitCode.h"
#include "cli/MacroCommandsCli.h"
#include "cli/MonitorCli.h"
#include "cli/SimCommandsCli.h"
#include "core/profiles/ConfigFolders.h"
#include "orvex/BuildInfo.h"

namespace orvex::cli {
namespace {

DeviceTarget TargetOf(const GlobalOptions& options) {
    if (options.simulate.empty()) {
        return {DeviceTarget::Kind::RealMouse, std::nullopt};
    }
    if (options.simulate == kInMemoryMouse) {
        return {DeviceTarget::Kind::VirtualMouse, std::nullopt};
    }
    return {DeviceTarget::Kind::VirtualMouse, std::filesystem::path(options.simulate)};
}

}  // namespace

std::filesystem::path ProgramFolder(const GlobalOptions& options) {
    if (!options.configDir.empty()) {
        // --config-dir names the program folder itself, not the root above it.
        return options.configDir;
    }
    const auto folder = ProgramDataFolder();
    if (!folder) {
        throw CliError(
            ExitCode::UsageOrInput,
            "no configuration folder: set HOME or XDG_CONFIG_HOME, or pass --config-dir");
    }
    return *folder;
}

std::ostream* TerminalOrNull(std::ostream& stream, int fd) {
    return ::isatty(fd) ? &stream : nullptr;
}

void WithDevice(const GlobalOptions& options, const std::function<void(DeviceSession&)>& work) {
    DeviceSession session(TargetOf(options), *options.log);
    try {
        work(session);
    } catch (const CliError& error) {
        session.Finish();
        const std::string hint = session.OpenProblemHint();
        if (error.code() == ExitCode::MouseNotFound && !hint.empty()) {
            throw CliError(error.code(), std::string(error.what()) + "\n" + hint);
        }
        throw;
    }
    session.Finish();
}

void AddJsonFlag(CLI::App& command, Arguments& args) {
    command.add_flag("--json", args.json, "print the result as one JSON object");
}

namespace {

sim::VirtualMouse& RequireVirtualMouse(DeviceSession& session, const GlobalOptions& options) {
    if (!session.virtualMouse() || options.simulate == kInMemoryMouse) {
        throw CliError(ExitCode::UsageOrInput, "sim commands need --simulate=STATE_FILE");
    }
    return *session.virtualMouse();
}

void AddDeviceCommands(CLI::App& app, Arguments& args) {
    auto* info = app.add_subcommand("info", "show the firmware version and the active profile");
    AddJsonFlag(*info, args);
    info->callback([&] {
        args.run = [&] {
            WithDevice(args.global,
                       [&](DeviceSession& s) { PrintInfo(s.link(), args.format(), std::cout); });
        };
    });

    auto* active = app.add_subcommand("active", "show the active profile, or make N (1-5) active");
    active->add_option("N", args.activeNumber, "profile number 1-5")->check(CLI::Range(1, 5));
    AddJsonFlag(*active, args);
    active->callback([&] {
        args.run = [&] {
            WithDevice(args.global, [&](DeviceSession& s) {
                if (args.activeNumber) {
                    SwitchActiveProfile(s.link(), *args.activeNumber, args.format(), std::cout);
                } else {
                    PrintActiveProfile(s.link(), args.format(), std::cout);
                }
            });
        };
    });

    auto* apply = app.add_subcommand("apply", "upload the five slot profiles to the mouse");
    apply->add_option("--active", args.applyActive, "slot to make active afterwards (1-5)")
        ->check(CLI::Range(1, 5));
    AddJsonFlag(*apply, args);
    apply->callback([&] {
        args.run = [&] {
            const std::filesystem::path folder = ProgramFolder(args.global);
            WithDevice(args.global, [&](DeviceSession& s) {
                ApplySlotProfiles(s.link(), folder, args.applyActive, args.format(), std::cout,
                                  TerminalOrNull(std::cerr, STDERR_FILENO), s.log());
            });
        };
    });

    auto* lod = app.add_subcommand("lod", "test or save the lift-off distance");
    lod->require_subcommand(1);
    for (const char* action : {"test", "save"}) {
        const bool save = std::string(action) == "save";
        auto* sub = lod->add_subcommand(action, save ? "save lift-off distance N in the mouse"
                                                     : "try lift-off distance N without saving it");
        sub->add_option("N", args.liftDistance, "lift-off distance; clamped to 6-31")->required();
        AddJsonFlag(*sub, args);
        sub->callback([&, save] {
            args.run = [&, save] {
                WithDevice(args.global, [&](DeviceSession& s) {
                    ChangeLift(s.link(), save ? LiftAction::Save : LiftAction::Test,
                               args.liftDistance, args.format(), std::cout);
                });
            };
        });
    }

    auto* surface = app.add_subcommand("surface", "analyse the surface under the mouse");
    surface->add_flag("--no-wait", args.noWait, "skip the 10-second countdown");
    AddJsonFlag(*surface, args);
    surface->callback([&] {
        args.run = [&] {
            WithDevice(args.global, [&](DeviceSession& s) {
                AnalyseSurface(
                    s.link(),
                    {!args.noWait, TerminalOrNull(std::cerr, STDERR_FILENO), args.format()},
                    std::cout, s.log());
            });
        };
    });
}

void AddMonitorCommand(CLI::App& app, Arguments& args) {
    auto* monitor = app.add_subcommand(
        "monitor", "print 'arrival PATH' / 'removal PATH' as the mouse is plugged in and out");
    monitor->add_option("--count", args.monitorCount, "stop after N events")
        ->check(CLI::Range(1, 1'000'000));
    monitor->add_option("--timeout", args.monitorSeconds, "stop after S seconds (0: never)")
        ->check(CLI::Range(0.0, 86'400.0));
    monitor->callback([&] {
        args.run = [&] {
            const auto timeout = std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::duration<double>(args.monitorSeconds));
            WatchMouseHotplug({args.monitorCount, timeout}, std::cout, std::cerr);
        };
    });
}

void AddMacroCommands(CLI::App& app, Arguments& args) {
    auto* macro = app.add_subcommand("macro", "read the macro folder");
    macro->require_subcommand(1);
    auto* list = macro->add_subcommand("list", "list the macros");
    AddJsonFlag(*list, args);
    list->callback([&] {
        args.run = [&] {
            ListMacros(MacroFolderPath(ProgramFolder(args.global)), args.format(), std::cout);
        };
    });
    auto* show = macro->add_subcommand("show", "show one macro's events");
    show->add_option("NAME_OR_ID", args.macroNameOrId, "the macro's name or id")->required();
    AddJsonFlag(*show, args);
    show->callback([&] {
        args.run = [&] {
            ShowMacro(MacroFolderPath(ProgramFolder(args.global)), args.macroNameOrId,
                      args.format(), std::cout);
        };
    });
}

void AddDoctorCommand(CLI::App& app, Arguments& args) {
    auto* doctor = app.add_subcommand(
        "doctor", "check why the mouse is or is not usable, one line per check with what to do");
    doctor->add_option(
        "--root", args.doctorRoot,
        "look for sys/, dev/, run/, etc/ and lib/ below this folder (tests, chroots)");
    AddJsonFlag(*doctor, args);
    doctor->callback([&] {
        args.run = [&] {
            const DoctorReport report = RunDoctor(RealDoctorSystem(args.doctorRoot));
            PrintDoctorReport(report, args.format(), std::cout);
            if (report.ExitCode() != 0) {
                throw CliError(static_cast<ExitCode>(report.ExitCode()), "");
            }
        };
    });
}

void AddSimCommands(CLI::App& app, Arguments& args) {
    auto* simCommand = app.add_subcommand("sim", "inspect or change the virtual mouse");
    simCommand->require_subcommand(1);

    auto* image = simCommand->add_subcommand(
        "image", "write the device image the virtual mouse holds for profile N");
    image->add_option("N", args.simImage, "profile number 1-5")
        ->required()
        ->check(CLI::Range(1, 5));
    image->callback([&] {
        args.run = [&] {
            WithDevice(args.global, [&](DeviceSession& s) {
                WriteVirtualImage(RequireVirtualMouse(s, args.global), args.simImage, std::cout);
            });
        };
    });

    auto* set = simCommand->add_subcommand("set", "set one value of the virtual mouse");
    set->add_option("WHAT", args.simWhat,
                    "firmware (version word), active (profile 1-5), quality (0-255), unplugged "
                    "(0 or 1) or busy (how many status reads answer busy)")
        ->required();
    set->add_option("VALUE", args.simValue, "the new value")->required();
    set->callback([&] {
        args.run = [&] {
            WithDevice(args.global, [&](DeviceSession& s) {
                SetVirtualState(RequireVirtualMouse(s, args.global), args.simWhat, args.simValue);
            });
        };
    });
}

}  // namespace

int RunOrvexctl(int argc, char** argv) {
    CLI::App app{"orvexctl: configure the ORVEX SK mouse from the command line"};
    Arguments args;
    app.add_flag("--simulate{" + std::string(kInMemoryMouse) + "}", args.global.simulate,
                 "use the virtual mouse; with =STATE_FILE it is kept in that file");
    app.add_option("--config-dir", args.global.configDir,
                   "the program folder holding Profiles/ and Macros/");
    app.add_flag("--verbose", args.global.verbose,
                 "log every exchange with the mouse to stderr (as ORVEX_DEBUG=1 does)");
    app.set_version_flag("--version", std::string("orvexctl ") + kReleaseVersion);
    app.require_subcommand(1);

    AddDeviceCommands(app, args);
    AddMonitorCommand(app, args);
    AddProfileCommands(app, args);
    AddMacroCommands(app, args);
    AddDoctorCommand(app, args);
    AddSimCommands(app, args);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? 0 : static_cast<int>(ExitCode::UsageOrInput);
    }

    StreamLog log(stderr, args.global.verbose || DebugLogRequested());
    args.global.log = &log;
    try {
        if (args.run) {
            args.run();
        }
        return static_cast<int>(ExitCode::Success);
    } catch (const CliError& e) {
        // A command that reported its own outcome (doctor) ends with its code alone.
        if (*e.what() != '\0') {
            std::cerr << e.what() << '\n';
        }
        return static_cast<int>(e.code());
    } catch (const std::exception& e) {
        std::cerr << "orvexctl: " << e.what() << '\n';
        return static_cast<int>(ExitCode::UsageOrInput);
    }
}

}  // namespace orvex::cli
