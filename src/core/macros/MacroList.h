#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/macros/CMacro.h"
#include "core/macros/IntRect.h"
#include "core/macros/MacroFolder.h"
#include "core/macros/MacroListObserver.h"
#include "core/macros/ProfileMacro.h"
#include "core/profiles/FileWrite.h"

namespace orvex {

// The live macros of the program, global rather than per profile, and the folder they are kept
// in. The macro page's event list owns one and shows its current macro; the mouse page copies
// macros out of it into profiles. Everything between a load and the next save lives only here.
class MacroList {
  public:
    explicit MacroList(MacroListObserver* observer = nullptr);
    MacroList(const MacroList&) = delete;
    MacroList& operator=(const MacroList&) = delete;

    void SetObserver(MacroListObserver* observer);

    void SetMacroFolder(std::filesystem::path folder) { folder_ = std::move(folder); }
    const std::filesystem::path& MacroFolder() const { return folder_; }

    // The event list's client rectangle; new macros lay their rows out in it.
    void SetClientArea(IntRect area) { clientArea_ = area; }

    // Appends an empty macro with that id and name.
    CMacro& AddMacro(std::int32_t id, std::u16string name);

    // Makes the first macro with that id current, adding an empty one under that name when there
    // is none.
    CMacro& ShowMacro(std::int32_t id, std::u16string_view name);

    // Removes every macro with that id; when the current one goes, there is none.
    void RemoveMacro(std::int32_t id);

    // A profile's copy of the first macro with that id, or none when the macro is gone.
    std::optional<ProfileMacro> CopyMacro(std::int32_t id) const;

    CMacro* CurrentMacro() { return current_; }
    const CMacro* CurrentMacro() const { return current_; }

    CMacro* FindMacro(std::int32_t id);
    std::span<const std::unique_ptr<CMacro>> Macros() const { return macros_; }
    std::size_t size() const { return macros_.size(); }

    // The id a new macro would take from the macros held here.
    std::int32_t NextId() const;

    // Rewrites the macro folder from the list (see SaveMacroFolder). A macro whose file name is
    // taken by an earlier one in the list is renamed by it. Failures leave the previous save
    // readable; the macros stay in memory for the next attempt.
    FileWriteResult SaveMacroList();

    // Replaces the list with the macros of the macro folder; no macro is current afterwards.
    // Returns how many list entries were skipped as unreadable.
    std::size_t LoadMacroList();

    // For tests: how files are written (atomic replacement by default).
    void SetFileWriter(MacroFileWriter writer) { write_ = std::move(writer); }

  private:
    MacroListObserver& observer() { return *observer_; }

    MacroListObserver* observer_;
    std::filesystem::path folder_;
    IntRect clientArea_;
    std::vector<std::unique_ptr<CMacro>> macros_;
    CMacro* current_ = nullptr;
    MacroFileWriter write_ = AtomicMacroFileWriter();
};

}  // namespace orvex
