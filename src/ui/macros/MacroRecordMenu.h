#pragma once

#include <cstdint>
#include <span>

class QRect;
class QWidget;

namespace orvex::ui {

class CTavMenu;

// The event list's record menu: six entries, the third opening the mouse events, each of which
// opens its Down/Up/Click entries. A choice comes to the owner as (menu id, entry id), the menu id
// being the top menu's own id or, for a mouse event, the id of the entry that opened its level.
namespace recordmenu {

inline constexpr int kStartBefore = 1;
inline constexpr int kStartAfter = 2;
inline constexpr int kInsertMouseEvent = 3;
inline constexpr int kInsertDelay = 4;
inline constexpr int kEditDelay = 5;
inline constexpr int kDelete = 6;

inline constexpr int kTopWidth = 170;
inline constexpr int kMouseEventsWidth = 120;

// A mouse event the menu inserts. A click is the press followed by the release.
struct MouseEventEntry {
    enum class Adds { Press, Release, Click };

    int id;
    int groupId;  // the entry (and menu) above it: 7 "Left button" ... 27 "Scroll wheel"
    const char* text;
    std::uint8_t type;
    std::int16_t code;
    Adds adds;
};

std::span<const MouseEventEntry> MouseEventEntries();
// The entry with that id, or nullptr.
const MouseEventEntry* FindMouseEventEntry(int id);
// Whether choices reported under `menuId` come from a mouse-event level.
bool IsMouseEventGroup(int menuId);

// Makes the whole menu, hidden, owned by `owner` under `menuId`.
CTavMenu* BuildRecordMenu(QWidget* owner, int menuId);

}  // namespace recordmenu
}  // namespace orvex::ui
