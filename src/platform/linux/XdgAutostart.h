#pragma once

#include <filesystem>
#include <string>

#include "platform/Autostart.h"

namespace orvex::platform {

// An XDG autostart entry, "<config root>/autostart/<application id>.desktop", which every
// freedesktop session (GNOME, KDE Plasma, Xfce, ...) starts at login.
class XdgAutostart : public Autostart {
  public:
    XdgAutostart(std::filesystem::path configRoot, std::string applicationId);

    AutostartOutcome Enable(const std::filesystem::path& program,
                            const std::string& argument) override;
    AutostartOutcome Disable() override;

    std::filesystem::path EntryPath() const;

  private:
    std::filesystem::path configRoot_;
    std::string applicationId_;
};

// `text` as one argument of a desktop entry's Exec key: quoted when it holds anything but plain
// characters, with the characters the key reserves escaped.
std::string QuoteExecArgument(const std::string& text);

}  // namespace orvex::platform
