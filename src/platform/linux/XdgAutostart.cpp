#include "platform/linux/XdgAutostart.h"

#include <string_view>
#include <system_error>
#include <utility>

#include "core/profiles/ConfigFolders.h"
#include "core/profiles/FileWrite.h"

namespace orvex::platform {
namespace {

bool IsPlainExecCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
           (byte >= '0' && byte <= '9') ||
           std::string_view("/-_.+,:=@").find(c) != std::string_view::npos;
}

// Inside a quoted Exec argument '"', '`', '$' and '\' are escaped with a backslash; and since the
// whole value is first read as a string, where '\' escapes too, every backslash doubles again.
// '%' starts a field code, so a literal one is doubled; a line break is the string escape "\n".
std::string EscapeForQuotes(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '%') {
            escaped += '%';
        } else if (c == '\n') {
            escaped += "\\n";
            continue;
        } else if (c == '"' || c == '`' || c == '$') {
            escaped += "\\\\";
        } else if (c == '\\') {
            escaped += "\\\\\\";
        }
        escaped += c;
    }
    return escaped;
}

std::string EntryText(const std::filesystem::path& program, const std::string& argument,
                      const std::string& applicationId) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=ORVEX SK\n"
           "Comment=Starts the ORVEX SK configurator in the tray\n"
           "Exec=" +
           QuoteExecArgument(program.string()) + " " + QuoteExecArgument(argument) +
           "\n"
           "Icon=" +
           applicationId +
           "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

}  // namespace

std::string QuoteExecArgument(const std::string& text) {
    bool plain = !text.empty();
    for (const char c : text) {
        plain = plain && IsPlainExecCharacter(c);
    }
    return plain ? text : "\"" + EscapeForQuotes(text) + "\"";
}

XdgAutostart::XdgAutostart(std::filesystem::path configRoot, std::string applicationId)
    : configRoot_(std::move(configRoot)), applicationId_(std::move(applicationId)) {}

std::filesystem::path XdgAutostart::EntryPath() const {
    return configRoot_ / "autostart" / (applicationId_ + ".desktop");
}

AutostartOutcome XdgAutostart::Enable(const std::filesystem::path& program,
                                      const std::string& argument) {
    const std::filesystem::path entry = EntryPath();
    if (!CreateFolderPath(entry.parent_path())) {
        return {false, "cannot create the folder " + entry.parent_path().string()};
    }
    const std::string text = EntryText(program, argument, applicationId_);
    const FileWriteResult written = WriteFileAtomically(
        entry, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    if (!written) {
        return {false, entry.string() + ": " + written.error};
    }
    return {true, "autostart on: " + entry.string() + " starts " + program.string() + " " +
                      argument + " at login"};
}

AutostartOutcome XdgAutostart::Disable() {
    const std::filesystem::path entry = EntryPath();
    std::error_code error;
    const bool removed = std::filesystem::remove(entry, error);
    if (error) {
        return {false, entry.string() + ": " + error.message()};
    }
    return {true, removed ? "autostart off: removed " + entry.string()
                          : "autostart off: there was no " + entry.string()};
}

std::unique_ptr<Autostart> MakeUserAutostart(const std::string& applicationId) {
    const auto root = UserConfigRoot();
    if (!root) {
        return nullptr;
    }
    return std::make_unique<XdgAutostart>(*root, applicationId);
}

}  // namespace orvex::platform
