#include "platform/linux/XdgAutostart.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

namespace orvex::platform {
namespace {

TEST(XdgAutostart, ExecArgumentsAreQuotedAndEscapedAsDesktopEntriesRead) {
    const struct {
        const char* text;
        const char* written;
    } table[] = {
        {"/usr/bin/orvex-sk", "/usr/bin/orvex-sk"},
        {"--hidden", "--hidden"},
        {"/home/a b/orvex-sk", R"("/home/a b/orvex-sk")"},
        {R"(/opt/"x"/p)", R"("/opt/\\"x\\"/p")"},
        {"/opt/$HOME`x`", R"("/opt/\\$HOME\\`x\\`")"},
        {R"(/opt/back\slash)", R"("/opt/back\\\\slash")"},
        {"/opt/100%", R"("/opt/100%%")"},
        {"", R"("")"},
    };
    for (const auto& row : table) {
        EXPECT_EQ(QuoteExecArgument(row.text), row.written) << row.text;
    }
}

TEST(XdgAutostart, EnableWritesTheEntryAndDisableRemovesIt) {
    const auto root = std::filesystem::temp_directory_path() /
                      ("orvex-autostart-" + std::to_string(std::random_device()()));
    XdgAutostart autostart(root, "com.example.Test");
    const auto entry = root / "autostart" / "com.example.Test.desktop";
    EXPECT_EQ(autostart.EntryPath(), entry);

    const AutostartOutcome on = autostart.Enable("/usr/bin/orvex-sk", "--hidden");
    ASSERT_TRUE(on.ok) << on.message;
    std::ifstream in(entry);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_NE(text.find("\nExec=/usr/bin/orvex-sk --hidden\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nIcon=com.example.Test\n"), std::string::npos) << text;

    EXPECT_TRUE(autostart.Disable().ok);
    EXPECT_FALSE(std::filesystem::exists(entry));
    const AutostartOutcome again = autostart.Disable();
    EXPECT_TRUE(again.ok) << "nothing to remove is no failure";
    EXPECT_NE(again.message.find("there was no"), std::string::npos);
    std::filesystem::remove_all(root);
}

}  // namespace
}  // namespace orvex::platform
