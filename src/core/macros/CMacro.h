#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/macros/CEventItem.h"
#include "core/macros/IntRect.h"
#include "core/macros/ListRows.h"
#include "core/macros/MacroListObserver.h"
#include "core/macros/ProfileMacro.h"

namespace orvex {

// Where AddEvent puts a new event.
enum class InsertMode : int {
    Append = 0,
    AfterSelection = 1,  // right after the first selected event; at the front when none is
};

// One macro as the macro page edits it: its events in playback order, each with the row it
// occupies in the event list. The macro list owns every CMacro; profiles hold copies
// (ProfileMacro) made by the list.
class CMacro {
  public:
    static constexpr std::int32_t kRowHeight = kListRowHeight;

    CMacro() = default;
    CMacro(std::int32_t macroId, std::u16string macroName, IntRect clientArea);

    // The event list's client rectangle when the macro was made; its rows are laid out in it.
    IntRect area;
    std::int32_t id = 0;
    std::u16string name;
    std::vector<CEventItem> events;

    // Where the notices of this macro go; the silent observer when none is set.
    void SetOwner(MacroListObserver* owner);

    // Inserts a new, selected event. Each new event takes over the selection, so consecutive
    // insertions after the selection keep their order.
    void AddEvent(std::uint8_t type, std::int16_t code, std::uint8_t release, std::int32_t delay,
                  InsertMode mode);

    // Removes the first selected event only, and moves the selection to the event that took its
    // place (to the first event when the last one went).
    void DeleteSelectedEvent();

    void ClearEvents() { events.clear(); }

    // At least one event and not a single release: the macro was recorded with "Record Hold".
    bool HasOnlyPresses() const;

    std::optional<std::size_t> FirstSelected() const;
    void SelectOnly(std::size_t index);

    // Puts every row back at its standard place below the top of the list.
    void LayoutRows();
    IntRect StandardRowRect(std::size_t index) const;
    std::int32_t VisibleRowCount() const;

    // Moves every row by the same amount so that row `position` ends at the bottom of the area
    // (ScrolledRowShift tells the first and last positions); rows that fit the area take their
    // standard places.
    void ScrollRowsTo(std::int32_t position);

    // The profile's copy: name, id and each event's type, code, release and delay.
    ProfileMacro ToProfileMacro() const;

  private:
    void InsertSelected(std::size_t index, const CEventItem& item);
    std::int32_t NextSerial() const;

    MacroListObserver* owner_ = &SilentMacroListObserver();
};

}  // namespace orvex
