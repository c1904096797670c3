#include "ui/macros/MacroRecordMenu.h"

#include <QRect>
#include <QString>
#include <algorithm>
#include <array>

#include "core/macros/CMacroEvent.h"
#include "ui/skin/CTavMenu.h"

namespace orvex::ui::recordmenu {
namespace {

using Adds = MouseEventEntry::Adds;

struct Group {
    int id;
    const char* text;
};

constexpr std::array kTopEntries{
    Group{kStartBefore, "Start record before event"},
    Group{kStartAfter, "Start record after event"},
    Group{kInsertMouseEvent, "Insert mouse event"},
    Group{kInsertDelay, "Insert delay"},
    Group{kEditDelay, "Edit delay"},
    Group{kDelete, "Delete"},
};

constexpr std::array kGroups{
    Group{7, "Left button"},     Group{11, "Right button"}, Group{15, "Middle button"},
    Group{19, "Forward button"}, Group{23, "Back button"},  Group{27, "Scroll wheel"},
};

constexpr std::uint8_t kButton = kMouseButtonEventType;
constexpr std::uint8_t kWheel = kWheelEventType;

constexpr std::array kEntries{
    MouseEventEntry{8, 7, "Down", kButton, kLeftButtonCode, Adds::Press},
    MouseEventEntry{9, 7, "Up", kButton, kLeftButtonCode, Adds::Release},
    MouseEventEntry{10, 7, "Click", kButton, kLeftButtonCode, Adds::Click},
    MouseEventEntry{12, 11, "Down", kButton, kRightButtonCode, Adds::Press},
    MouseEventEntry{13, 11, "Up", kButton, kRightButtonCode, Adds::Release},
    MouseEventEntry{14, 11, "Click", kButton, kRightButtonCode, Adds::Click},
    MouseEventEntry{16, 15, "Down", kButton, kMiddleButtonCode, Adds::Press},
    MouseEventEntry{17, 15, "Up", kButton, kMiddleButtonCode, Adds::Release},
    MouseEventEntry{18, 15, "Click", kButton, kMiddleButtonCode, Adds::Click},
    MouseEventEntry{20, 19, "Down", kButton, kForwardButtonCode, Adds::Press},
    MouseEventEntry{21, 19, "Up", kButton, kForwardButtonCode, Adds::Release},
    MouseEventEntry{22, 19, "Click", kButton, kForwardButtonCode, Adds::Click},
    MouseEventEntry{24, 23, "Down", kButton, kBackButtonCode, Adds::Press},
    MouseEventEntry{25, 23, "Up", kButton, kBackButtonCode, Adds::Release},
    MouseEventEntry{26, 23, "Click", kButton, kBackButtonCode, Adds::Click},
    // The wheel's notches are both presses: a wheel has nothing to release.
    MouseEventEntry{28, 27, "Down", kWheel, kWheelDownCode, Adds::Press},
    MouseEventEntry{29, 27, "Up", kWheel, kWheelUpCode, Adds::Press},
};

}  // namespace

std::span<const MouseEventEntry> MouseEventEntries() {
    return kEntries;
}

const MouseEventEntry* FindMouseEventEntry(int id) {
    const auto found = std::find_if(kEntries.begin(), kEntries.end(),
                                    [id](const MouseEventEntry& entry) { return entry.id == id; });
    return found != kEntries.end() ? &*found : nullptr;
}

bool IsMouseEventGroup(int menuId) {
    return std::any_of(kGroups.begin(), kGroups.end(),
                       [menuId](const Group& group) { return group.id == menuId; });
}

CTavMenu* BuildRecordMenu(QWidget* owner, int menuId) {
    auto* menu = new CTavMenu(owner, menuId, QRect(0, 0, 50, 10));
    menu->resize(kTopWidth, 20);
    for (const Group& entry : kTopEntries) {
        menu->AddItem(entry.id, QString::fromLatin1(entry.text));
    }
    for (const Group& group : kGroups) {
        menu->AddSubItem(group.id, kInsertMouseEvent, QString::fromLatin1(group.text));
    }
    CTavMenu* mouseEvents = menu->GetSubMenu(kInsertMouseEvent);
    mouseEvents->resize(kMouseEventsWidth, mouseEvents->height());
    for (const MouseEventEntry& entry : kEntries) {
        menu->AddSubSubItem(entry.id, entry.groupId, QString::fromLatin1(entry.text));
    }
    return menu;
}

}  // namespace orvex::ui::recordmenu
