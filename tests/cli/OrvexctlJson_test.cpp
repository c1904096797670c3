// --json on every command that has it: the output is one JSON object with the documented keys,
// carrying the same facts as the text.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>

#include "cli/OrvexctlRunner.h"
#include "core/macros/MacroList.h"
#include "core/profiles/ConfigFolders.h"

namespace orvex {
namespace {

using testing::CommandOutput;
using testing::RunOrvexctlBinary;
using testing::TempFolder;

std::set<std::string> Keys(const nlohmann::json& object) {
    std::set<std::string> keys;
    for (const auto& [key, value] : object.items()) {
        keys.insert(key);
    }
    return keys;
}

class OrvexctlJsonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        MacroList macros;
        macros.SetMacroFolder(MacroFolderPath(temp / "config"));
        CMacro& burst = macros.AddMacro(7, u"Burst");
        burst.AddEvent(kKeyEventType, 0x41, kEventPress, 10, InsertMode::Append);
        burst.AddEvent(kKeyEventType, 0x41, kEventRelease, 20, InsertMode::Append);
        ASSERT_TRUE(macros.SaveMacroList());
    }

    CommandOutput Run(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), {"--simulate=" + (temp / "mouse.state").string(),
                                             "--config-dir", (temp / "config").string()});
        return RunOrvexctlBinary(arguments);
    }

    TempFolder temp;
};

TEST_F(OrvexctlJsonTest, EveryCommandPrintsOneObjectWithItsDocumentedKeys) {
    const struct {
        std::vector<std::string> command;
        std::set<std::string> keys;
        int exitCode;
    } table[] = {
        {{"info"}, {"firmware", "firmwareWord", "activeProfile"}, 0},
        {{"active"}, {"activeProfile"}, 0},
        {{"active", "3"}, {"activeProfile"}, 0},
        {{"apply", "--active", "2"}, {"slots", "activeProfile"}, 0},
        {{"lod", "test", "12"}, {"liftDistance", "saved"}, 0},
        {{"lod", "save", "14"}, {"liftDistance", "saved"}, 0},
        {{"surface", "--no-wait"}, {"quality", "level"}, 0},
        {{"macro", "list"}, {"macros", "unreadableFiles"}, 0},
        {{"macro", "show", "Burst"}, {"id", "name", "events"}, 0},
        // A fake root without /sys/class/hidraw: no mouse there.
        {{"doctor", "--root", (temp / "empty-root").string()},
         {"usable", "mousePresent", "node", "checks"},
         2},
    };
    for (const auto& row : table) {
        std::vector<std::string> command = row.command;
        command.push_back("--json");
        const CommandOutput output = Run(command);
        SCOPED_TRACE(command[0] + " " + (command.size() > 2 ? command[1] : ""));
        EXPECT_EQ(output.exitCode, row.exitCode) << output.err;
        const auto json = nlohmann::json::parse(output.out, nullptr, false);
        ASSERT_TRUE(json.is_object()) << output.out;
        EXPECT_EQ(Keys(json), row.keys);
    }
}

TEST_F(OrvexctlJsonTest, ItemsCarryTheirKeysAndTheTextsFacts) {
    ASSERT_EQ(Run({"sim", "set", "quality", "33"}).exitCode, 0);
    const auto surface = nlohmann::json::parse(Run({"surface", "--no-wait", "--json"}).out);
    EXPECT_EQ(Run({"surface", "--no-wait"}).out, "quality: " + surface["quality"].dump() +
                                                     "\nlevel: " + surface["level"].dump() + "\n");

    const auto apply = nlohmann::json::parse(Run({"apply", "--json"}).out);
    ASSERT_EQ(apply["slots"].size(), 5u);
    EXPECT_EQ(Keys(apply["slots"][1]),
              (std::set<std::string>{"slot", "result", "file", "fileStatus"}));
    EXPECT_EQ(apply["slots"][1]["result"], "done");
    EXPECT_EQ(apply["slots"][1]["fileStatus"], "missing");

    const auto list = nlohmann::json::parse(Run({"macro", "list", "--json"}).out);
    EXPECT_EQ(list["macros"][0], (nlohmann::json{{"id", 7}, {"name", "Burst"}, {"eventCount", 2}}));

    const auto show = nlohmann::json::parse(Run({"macro", "show", "7", "--json"}).out);
    ASSERT_EQ(show["events"].size(), 2u);
    EXPECT_EQ(Keys(show["events"][1]),
              (std::set<std::string>{"type", "code", "release", "delay", "text"}));
    EXPECT_EQ(show["events"][1]["release"], true);
    EXPECT_EQ(show["events"][1]["delay"], 20);

    const auto doctor =
        nlohmann::json::parse(Run({"doctor", "--root", (temp / "none").string(), "--json"}).out);
    EXPECT_EQ(Keys(doctor["checks"][0]),
              (std::set<std::string>{"check", "status", "finding", "fix", "reasons"}));
    EXPECT_EQ(doctor["checks"][0]["check"], "hidraw");
    EXPECT_EQ(doctor["checks"][0]["status"], "problem");
}

TEST_F(OrvexctlJsonTest, AMissingMousePrintsNoJsonAndSaysWhyOnStandardError) {
    ASSERT_EQ(Run({"sim", "set", "unplugged", "1"}).exitCode, 0);
    const CommandOutput output = Run({"info", "--json"});
    EXPECT_EQ(output.exitCode, 2);
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err, "ORVEX SK mouse not found\n");
}

}  // namespace
}  // namespace orvex
