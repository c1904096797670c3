#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace orvex::platform {

// What turning autostart on or off did: `ok`, and a sentence for the user either way (where the
// entry is, or why it could not be written or removed).
struct AutostartOutcome {
    bool ok = false;
    std::string message;
};

// Starting the program at the user's login.
class Autostart {
  public:
    virtual ~Autostart() = default;

    // Starts `program` with `argument` (for example "--hidden") at every login of the user.
    virtual AutostartOutcome Enable(const std::filesystem::path& program,
                                    const std::string& argument) = 0;
    // Stops starting it; nothing to do is no failure.
    virtual AutostartOutcome Disable() = 0;
};

// The user's own autostart of the desktop, keyed by the application id. None when the
// environment names no place for it (no home folder).
std::unique_ptr<Autostart> MakeUserAutostart(const std::string& applicationId);

}  // namespace orvex::platform
