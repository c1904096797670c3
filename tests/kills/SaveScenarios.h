#pragma once

#include <filesystem>
#include <string>

namespace orvex::kills {

// Where a scenario's files live below one root folder.
struct SaveLayout {
    explicit SaveLayout(const std::filesystem::path& root);

    std::filesystem::path programFolder;  // the slot files and the macro folder
    std::filesystem::path exportChoice;   // what the user picked in the export dialog
};

// Each scenario is one save from a "before" to an "after" state of every file.
enum class SaveScenario : int {
    FirstSave,           // no folder yet
    EditedAndDeleted,    // settings changed, a macro edited, one deleted, one added
    NamesChangingHands,  // macro files whose names the new save gives to other macros
    AfterAKilledSave,    // what an earlier kill left behind
};

std::string ScenarioName(SaveScenario scenario);

// Writes the files as they are before the scenario's save.
void WriteFilesBefore(SaveScenario scenario, const SaveLayout& layout);

// The scenario's save through the program's own save functions, in Apply's order (the five slot
// files, then the macro folder) followed by an export. True when every write succeeded.
bool SaveAfter(SaveScenario scenario, const SaveLayout& layout);

}  // namespace orvex::kills
