#include <array>
#include <cstdint>
#include <fstream>
#include <memory>
#include <utility>
#include <vector>

#include "core/macros/MacroFileFormat.h"
#include "core/macros/MacroFileNames.h"
#include "core/macros/MacroList.h"
#include "core/profiles/ConfigFolders.h"
#include "core/profiles/ProfileFile.h"
#include "core/profiles/ProfileSlots.h"
#include "core/text/Utf.h"
#include "kills/SaveScenarios.h"

namespace orvex::kills {
namespace {

namespace fs = std::filesystem;

struct PlannedMacro {
    std::int32_t id;
    std::u16string name;
    int keys;  // presses and releases of A, B, ...
};

std::array<ProfileRecord, kSlotCount> SlotRecords(const SaveLayout& layout, int generation) {
    std::array<ProfileRecord, kSlotCount> records;
    for (int n = 1; n <= kSlotCount; ++n) {
        ProfileRecord& record = records[static_cast<std::size_t>(n - 1)];
        record = MakeSlotProfile(layout.programFolder, n);
        record.name += generation == 0 ? u" before" : u" after, renamed at length";
        record.pointerSpeed = static_cast<std::uint8_t>(2 + n + generation);
        record.zoneColours[0] = 0x00102030u * static_cast<std::uint32_t>(n + generation);
    }
    return records;
}

void AddMacros(MacroList& list, const std::vector<PlannedMacro>& planned) {
    for (const PlannedMacro& macroPlan : planned) {
        CMacro& macro = list.AddMacro(macroPlan.id, macroPlan.name);
        for (int key = 0; key < macroPlan.keys; ++key) {
            const auto code = static_cast<std::int16_t>(0x41 + key % 26);
            macro.AddEvent(kKeyEventType, code, kEventPress, 10 * key, InsertMode::Append);
            macro.AddEvent(kKeyEventType, code, kEventRelease, 5, InsertMode::Append);
        }
    }
}

std::vector<PlannedMacro> MacrosAfter(SaveScenario scenario) {
    switch (scenario) {
        case SaveScenario::FirstSave:
            return {{1, u"Burst", 3}, {2, u"Hold", 1}, {3, u"Macro(1)", 6}};
        case SaveScenario::EditedAndDeleted:
            return {{1, u"Burst", 8}, {3, u"Macro(1)", 6}, {4, u"Macro(2)", 0}};
        case SaveScenario::NamesChangingHands:
            // 1 and 2 trade files; 6 takes the name of the deleted 5; "fire" clashes with "Fire".
            return {
                {1, u"B", 2}, {2, u"A", 4}, {6, u"Macro(2)", 1}, {7, u"Fire", 2}, {8, u"fire", 3}};
        case SaveScenario::AfterAKilledSave:
            return {{1, u"Burst", 5},
                    {2, u"Long", 300},
                    {3, u"Macro(1)", 2},
                    {4, u"Macro(2)", 3},
                    {5, u"Macro(3)", 1}};
    }
    return {};
}

bool SaveState(const SaveLayout& layout, int generation, const std::vector<PlannedMacro>& macros,
               int exportedSlot) {
    const auto records = SlotRecords(layout, generation);
    bool saved = true;
    for (const FileWriteResult& result : SaveSlotProfiles(records)) {
        saved = saved && result.ok;
    }
    MacroList list;
    list.SetMacroFolder(MacroFolderPath(layout.programFolder));
    AddMacros(list, macros);
    saved = list.SaveMacroList().ok && saved;
    const auto& exported = records[static_cast<std::size_t>(exportedSlot - 1)];
    return ExportProfile(exported, layout.exportChoice).ok && saved;
}

// Macro files whose names do not follow their macros' names, as files copied or renamed by hand
// are: "A.macro" holds the macro named "B" and the other way round.
void WriteSwappedMacroFolder(const fs::path& folder) {
    MacroList list;
    AddMacros(list, {{1, u"B", 1}, {2, u"A", 2}, {5, u"Macro(2)", 3}});
    const std::array<fs::path, 3> files{folder / "A.macro", folder / "B.macro",
                                        folder / "Macro(2).macro"};
    std::vector<std::u16string> entries;
    fs::create_directories(folder);
    for (std::size_t i = 0; i < files.size(); ++i) {
        static_cast<void>(WriteFileAtomically(files[i], EncodeMacroFile(*list.Macros()[i])));
        entries.push_back(Utf16FromPath(files[i]));
    }
    static_cast<void>(
        WriteFileAtomically(folder / PathFromUtf16(kMacroListFileName), EncodeMacroList(entries)));
}

void WriteJunk(const fs::path& path) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << "half a file";
}

// The temporary files a save killed between writing and renaming leaves, and a staging file of
// an interrupted macro folder save.
void WriteLeftovers(const SaveLayout& layout) {
    const fs::path macros = MacroFolderPath(layout.programFolder);
    WriteJunk(SlotProfilePath(layout.programFolder, 1).concat(".0123abcd.tmp"));
    WriteJunk(macros / "Burst.macro.89abcdef.tmp");
    WriteJunk(macros / "staged~1.macro");
    WriteJunk(ExportTargetPath(layout.exportChoice).concat(".deadbeef.tmp"));
}

}  // namespace

SaveLayout::SaveLayout(const fs::path& root)
    : programFolder(root / "config" / "Velnor" / "ORVEX SK"),
      exportChoice(root / "exports" / "Sniper") {}

std::string ScenarioName(SaveScenario scenario) {
    switch (scenario) {
        case SaveScenario::FirstSave:
            return "FirstSave";
        case SaveScenario::EditedAndDeleted:
            return "EditedAndDeleted";
        case SaveScenario::NamesChangingHands:
            return "NamesChangingHands";
        case SaveScenario::AfterAKilledSave:
            return "AfterAKilledSave";
    }
    return "Unknown";
}

void WriteFilesBefore(SaveScenario scenario, const SaveLayout& layout) {
    switch (scenario) {
        case SaveScenario::FirstSave:
            return;
        case SaveScenario::EditedAndDeleted:
            static_cast<void>(
                SaveState(layout, 0, {{1, u"Burst", 4}, {2, u"Hold", 1}, {3, u"Macro(1)", 6}}, 2));
            return;
        case SaveScenario::NamesChangingHands:
            static_cast<void>(SaveState(layout, 0, {}, 2));
            WriteSwappedMacroFolder(MacroFolderPath(layout.programFolder));
            return;
        case SaveScenario::AfterAKilledSave:
            static_cast<void>(SaveState(layout, 0, {{1, u"Burst", 4}, {2, u"Long", 250}}, 2));
            WriteLeftovers(layout);
            return;
    }
}

bool SaveAfter(SaveScenario scenario, const SaveLayout& layout) {
    return SaveState(layout, 1, MacrosAfter(scenario), 4);
}

}  // namespace orvex::kills
