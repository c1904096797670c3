// orvexctl's profile commands: each takes a slot number 1-5 (the slot's file in the program
// folder) or a profile file.
#include <unistd.h>

#include <iostream>

#include "cli/CommandLineParts.h"
#include "cli/DeviceCommandsCli.h"
#include "cli/ExitCode.h"
#include "cli/ProfileSettingCli.h"
#include "core/device/DeviceCommands.h"

namespace orvex::cli {
namespace {

constexpr const char* kProfileHelp = "slot number 1-5, or a profile file";

ProfileArgument Resolve(const Arguments& args, const std::string& text) {
    return ResolveProfileArgument(text, [&args] { return ProgramFolder(args.global); });
}

// Sends the five slots as `apply` does, leaving the mouse on the profile it had active.
void ApplyKeepingActiveProfile(const Arguments& args, const std::filesystem::path& folder) {
    WithDevice(args.global, [&](DeviceSession& s) {
        RequireMouse(s.link());
        const auto active = ReadActiveProfile(s.link());
        if (active.result != DeviceResult::Done) {
            throw CliError(ExitCode::DeviceFailed, "reading the active profile failed");
        }
        ApplySlotProfiles(s.link(), folder, active.value + 1, OutputFormat::Text, std::cout,
                          TerminalOrNull(std::cerr, STDERR_FILENO), s.log());
    });
}

void AddSettingCommands(CLI::App& profile, Arguments& args) {
    auto* get = profile.add_subcommand("get", "print one setting of a profile by its JSON key");
    get->add_option("PROFILE", args.profile, kProfileHelp)->required();
    get->add_option("KEY", args.settingKey, "the setting's key, e.g. lightingEffect or buttons[3]")
        ->required();
    get->callback([&] {
        args.run = [&] {
            PrintProfileSetting(Resolve(args, args.profile), args.settingKey, std::cout);
        };
    });

    auto* set = profile.add_subcommand(
        "set", "change one setting of a profile by its JSON key, with from-json's checks");
    set->add_option("PROFILE", args.profile, kProfileHelp)->required();
    set->add_option("KEY", args.settingKey, "the setting's key, e.g. lightingEffect or buttons[3]")
        ->required();
    set->add_option("VALUE", args.settingValues,
                    "the new value: a number or text, a list's items (a pair as x,y), or JSON")
        ->required();
    set->add_flag("--apply", args.applyAfterSet,
                  "then upload the five slots to the mouse, keeping its active profile");
    set->callback([&] {
        args.run = [&] {
            const ProfileArgument target = Resolve(args, args.profile);
            if (args.applyAfterSet && !target.slot) {
                throw CliError(ExitCode::UsageOrInput,
                               "--apply uploads the five slots: name the profile by its slot "
                               "number 1-5");
            }
            ChangeProfileSetting(target, args.settingKey, args.settingValues);
            if (args.applyAfterSet) {
                ApplyKeepingActiveProfile(args, target.programFolder);
            }
        };
    });
}

}  // namespace

void AddProfileCommands(CLI::App& app, Arguments& args) {
    auto* profile = app.add_subcommand("profile", "read and write profiles");
    profile->require_subcommand(1);

    auto* show = profile->add_subcommand("show", "summarise a profile");
    show->add_option("PROFILE", args.profile, kProfileHelp)->required();
    show->callback(
        [&] { args.run = [&] { ShowProfile(Resolve(args, args.profile), std::cout); }; });

    auto* toJson = profile->add_subcommand("to-json", "print a profile as JSON");
    toJson->add_option("PROFILE", args.profile, kProfileHelp)->required();
    toJson->callback(
        [&] { args.run = [&] { PrintProfileJson(Resolve(args, args.profile), std::cout); }; });

    auto* fromJson = profile->add_subcommand("from-json", "write a profile from a JSON file");
    fromJson->add_option("JSON_FILE", args.jsonFile, "the JSON file to read")->required();
    fromJson->add_option("OUT_PROFILE", args.outProfile, "slot number 1-5, or the file to write")
        ->required();
    fromJson->callback([&] {
        args.run = [&] { WriteProfileFromJson(args.jsonFile, Resolve(args, args.outProfile)); };
    });

    AddSettingCommands(*profile, args);

    auto* image = app.add_subcommand("image", "write the device image of a profile");
    image->add_option("PROFILE", args.profile, kProfileHelp)->required();
    image
        ->add_option("--slot", args.image.slot,
                     "profile number 1-5 the image is for (default: the slot named, else 1)")
        ->check(CLI::Range(1, 5));
    image->add_flag("--hex", args.image.hex, "print as hex instead of raw bytes");
    image->callback([&] {
        args.run = [&] { WriteDeviceImage(Resolve(args, args.profile), args.image, std::cout); };
    });
}

}  // namespace orvex::cli
