#include "core/macros/MacroFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/macros/MacroFileFormat.h"
#include "core/macros/MacroList.h"
#include "core/macros/RecordingObserver.h"
#include "core/profiles/DataStream.h"
#include "core/profiles/TempFolder.h"
#include "core/text/Utf.h"

namespace orvex {
namespace {

namespace fs = std::filesystem;

std::set<std::string> FolderNames(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

void WriteBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
}

class MacroFolderTest : public ::testing::Test {
  protected:
    testing::TempFolder temp;
    fs::path folder;

    void SetUp() override {
        // Three levels that do not exist yet, as on a first start.
        folder = temp / "Velnor" / "ORVEX SK" / "Macros";
        list.SetMacroFolder(folder);
        list.SetClientArea({0, 0, 200, 199});
    }

    CMacro& AddMacroWithKeys(std::int32_t id, std::u16string name, std::vector<std::int16_t> keys) {
        CMacro& macro = list.AddMacro(id, std::move(name));
        for (const std::int16_t key : keys) {
            macro.AddEvent(kKeyEventType, key, kEventPress, key * 10, InsertMode::Append);
            macro.AddEvent(kKeyEventType, key, kEventRelease, 5, InsertMode::Append);
        }
        return macro;
    }

    std::unique_ptr<MacroList> Reloaded(std::size_t* skipped = nullptr) {
        auto loaded = std::make_unique<MacroList>();
        loaded->SetMacroFolder(folder);
        const std::size_t count = loaded->LoadMacroList();
        if (skipped != nullptr) {
            *skipped = count;
        }
        return loaded;
    }

    static std::vector<std::int32_t> Ids(const std::unique_ptr<MacroList>& macros) {
        std::vector<std::int32_t> ids;
        for (const auto& macro : macros->Macros()) {
            ids.push_back(macro->id);
        }
        return ids;
    }

    MacroList list;
};

TEST_F(MacroFolderTest, SeveralMacrosSaveAndLoadEqual) {
    CMacro& upper = AddMacroWithKeys(16, u"Macro", {65, 66});
    upper.SelectOnly(2);  // the third event
    AddMacroWithKeys(17, u"macro", {67});
    AddMacroWithKeys(40, u"Empty", {});
    list.AddMacro(41, u"Wheel")
        .AddEvent(kWheelEventType, kWheelUpCode, kEventPress, 0, InsertMode::Append);
    testing::RecordingObserver observer;
    list.SetObserver(&observer);

    ASSERT_TRUE(list.SaveMacroList());

    // Only one of 'Macro' and 'macro' can have its own file name: the later one is renamed.
    EXPECT_EQ(list.Macros()[1]->name, u"macro1");
    EXPECT_EQ(observer.notices, std::vector<std::string>{"repaint"});
    EXPECT_EQ(FolderNames(folder),
              (std::set<std::string>{"Macro.macro", "macro1.macro", "Empty.macro", "Wheel.macro",
                                     "macroList.dat"}));
    DataStream listFile;
    ASSERT_TRUE(listFile.LoadFromFile(folder / "macroList.dat"));
    EXPECT_EQ(DecodeMacroList(listFile.bytes()),
              (std::vector<std::u16string>{FromUtf8((folder / "Macro.macro").string()),
                                           FromUtf8((folder / "macro1.macro").string()),
                                           FromUtf8((folder / "Empty.macro").string()),
                                           FromUtf8((folder / "Wheel.macro").string())}));

    std::size_t skipped = 99;
    const auto loaded = Reloaded(&skipped);
    EXPECT_EQ(skipped, 0u);
    ASSERT_EQ(loaded->size(), list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        const CMacro& saved = *list.Macros()[i];
        const CMacro& read = *loaded->Macros()[i];
        EXPECT_EQ(read.id, saved.id);
        EXPECT_EQ(read.name, saved.name);
        EXPECT_EQ(read.area, saved.area);
        EXPECT_EQ(read.events, saved.events) << ToUtf8(saved.name);
        EXPECT_EQ(loaded->CopyMacro(saved.id), list.CopyMacro(saved.id));
    }
    EXPECT_EQ(loaded->Macros()[0]->FirstSelected(), 2u);
    EXPECT_TRUE(loaded->Macros()[2]->events.empty());
    EXPECT_EQ(loaded->NextId(), 42);
}

TEST_F(MacroFolderTest, NoFolderYetMeansNoMacros) {
    EXPECT_EQ(list.LoadMacroList(), 0u);
    EXPECT_EQ(list.size(), 0u);
    EXPECT_EQ(list.NextId(), 16);
}

TEST_F(MacroFolderTest, SaveRemovesStrayFilesAndDeletedMacros) {
    AddMacroWithKeys(16, u"Keep", {65});
    AddMacroWithKeys(17, u"Gone", {66});
    ASSERT_TRUE(list.SaveMacroList());
    WriteBytes(folder / "stray.txt", {1, 2, 3});
    fs::create_directories(folder / "sub" / "deeper");
    WriteBytes(folder / "sub" / "deeper" / "x.macro", {1});

    list.RemoveMacro(17);
    ASSERT_TRUE(list.SaveMacroList());
    EXPECT_EQ(FolderNames(folder), (std::set<std::string>{"Keep.macro", "macroList.dat"}));
}

TEST_F(MacroFolderTest, UnreadableEntriesAreSkippedAndTheOthersLoad) {
    AddMacroWithKeys(16, u"Fine", {65});
    AddMacroWithKeys(17, u"Cut", {66, 67});
    AddMacroWithKeys(18, u"Missing", {68});
    AddMacroWithKeys(19, u"Also fine", {69});
    ASSERT_TRUE(list.SaveMacroList());

    fs::resize_file(folder / "Cut.macro", fs::file_size(folder / "Cut.macro") - 1);
    fs::remove(folder / "Missing.macro");

    std::size_t skipped = 0;
    const auto loaded = Reloaded(&skipped);
    EXPECT_EQ(skipped, 2u);
    EXPECT_EQ(Ids(loaded), (std::vector<std::int32_t>{16, 19}));
}

TEST_F(MacroFolderTest, EntriesAreReadFromInsideTheFolderOnly) {
    // A list naming files elsewhere, as a moved folder or a doctored list would.
    const fs::path elsewhere = temp / "elsewhere";
    fs::create_directories(elsewhere);
    fs::create_directories(folder);
    WriteBytes(elsewhere / "Evil.macro", EncodeMacroFile(CMacro(99, u"Evil outside", {})));
    WriteBytes(folder / "Evil.macro", EncodeMacroFile(CMacro(50, u"Evil inside", {})));
    WriteBytes(elsewhere / "Only.macro", EncodeMacroFile(CMacro(98, u"Only outside", {})));
    WriteBytes(folder / "macroList.dat",
               EncodeMacroList({FromUtf8((elsewhere / "Evil.macro").string()),
                                u"C:\\Users\\someone\\Macros\\Evil.macro",  // the same file again
                                FromUtf8((elsewhere / "Only.macro").string()),
                                u"../elsewhere/Only.macro", u"C:Only.macro", u".."}));

    std::size_t skipped = 0;
    const auto loaded = Reloaded(&skipped);
    EXPECT_EQ(Ids(loaded), std::vector<std::int32_t>{50});
    EXPECT_EQ(skipped, 5u);
}

TEST_F(MacroFolderTest, AMovedFolderStillLoads) {
    AddMacroWithKeys(16, u"Macro", {65});
    ASSERT_TRUE(list.SaveMacroList());
    const fs::path moved = temp / "moved";
    fs::rename(folder, moved);
    folder = moved;
    EXPECT_EQ(Ids(Reloaded()), std::vector<std::int32_t>{16});
}

TEST_F(MacroFolderTest, UnsafeNamesStayInsideTheFolderAndKeepTheirText) {
    const std::vector<std::u16string> names = {
        u"../x", u"a/b", u"a\\b", u":", std::u16string(u"nul\0l", 5), u"con"};
    std::int32_t id = 16;
    for (const auto& name : names) {
        AddMacroWithKeys(id++, name, {65});
    }
    ASSERT_TRUE(list.SaveMacroList());

    EXPECT_EQ(FolderNames(temp / "Velnor" / "ORVEX SK"), std::set<std::string>{"Macros"});
    EXPECT_EQ(FolderNames(folder),
              (std::set<std::string>{".._x.macro", "a_b.macro", "a_b1.macro", "_.macro",
                                     "nul_l.macro", "_con.macro", "macroList.dat"}));
    const auto loaded = Reloaded();
    ASSERT_EQ(loaded->size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        // 'a\b' maps to the same file name as 'a/b' and is renamed like any other clash.
        EXPECT_EQ(loaded->Macros()[i]->name, i == 2 ? u"a\\b1" : names[i]);
    }
}

TEST_F(MacroFolderTest, ASaveThatFailsHalfWayLosesNothing) {
    AddMacroWithKeys(16, u"One", {65});
    AddMacroWithKeys(17, u"Two", {66});
    AddMacroWithKeys(18, u"Three", {67});
    ASSERT_TRUE(list.SaveMacroList());
    const std::set<std::string> firstSave = FolderNames(folder);

    // The next set drops 'Two', adds 'Four' and renames nothing; the writes are 3 macro files and
    // the list. Fail each of them in turn.
    list.RemoveMacro(17);
    AddMacroWithKeys(19, u"Four", {68});
    for (int failing = 1; failing <= 4; ++failing) {
        int calls = 0;
        list.SetFileWriter(
            [&calls, failing](const fs::path& path, std::span<const std::uint8_t> b) {
                if (++calls == failing) {
                    return FileWriteResult::Failure("disk full");
                }
                return WriteFileAtomically(path, b);
            });
        const FileWriteResult result = list.SaveMacroList();
        EXPECT_FALSE(result.ok) << "write " << failing;
        EXPECT_EQ(result.error, "disk full");

        // Every macro of the last good save still loads, 'Two' included.
        const std::vector<std::int32_t> ids = Ids(Reloaded());
        EXPECT_EQ(ids, (std::vector<std::int32_t>{16, 17, 18})) << "write " << failing;
        for (const auto& name : firstSave) {
            EXPECT_TRUE(fs::exists(folder / name)) << name << ", write " << failing;
        }
    }

    list.SetFileWriter(AtomicMacroFileWriter());
    ASSERT_TRUE(list.SaveMacroList());
    EXPECT_EQ(Ids(Reloaded()), (std::vector<std::int32_t>{16, 18, 19}));
    EXPECT_FALSE(fs::exists(folder / "Two.macro"));
}

TEST_F(MacroFolderTest, AFolderInTheWayOfAMacroFileIsCleared) {
    fs::create_directories(folder / "Macro.macro" / "inner");
    AddMacroWithKeys(16, u"Macro", {65});
    ASSERT_TRUE(list.SaveMacroList());
    EXPECT_EQ(Ids(Reloaded()), std::vector<std::int32_t>{16});
}

TEST(MacroFolder, NoFolderPathWritesNothing) {
    MacroList list;
    list.AddMacro(16, u"Macro");
    list.SetMacroFolder("abc");
    EXPECT_FALSE(list.SaveMacroList().ok);
    EXPECT_FALSE(fs::exists("abc"));
}

}  // namespace
}  // namespace orvex
