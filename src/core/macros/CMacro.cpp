#include "core/macros/CMacro.h"

#include <algorithm>
#include <utility>

#include "core/macros/ListRows.h"

namespace orvex {

CMacro::CMacro(std::int32_t macroId, std::u16string macroName, IntRect clientArea)
    : area(clientArea), id(macroId), name(std::move(macroName)) {}

void CMacro::SetOwner(MacroListObserver* owner) {
    owner_ = owner != nullptr ? owner : &SilentMacroListObserver();
}

std::int32_t CMacro::NextSerial() const {
    // Compared as unsigned, so a damaged negative serial counts as large; the sum wraps instead
    // of overflowing.
    std::uint32_t largest = 0;
    for (const CEventItem& event : events) {
        largest = std::max(largest, static_cast<std::uint32_t>(event.serial));
    }
    return static_cast<std::int32_t>(largest + 1u);
}

void CMacro::InsertSelected(std::size_t index, const CEventItem& item) {
    for (CEventItem& event : events) {
        event.selected = 0;
    }
    events.insert(events.begin() + static_cast<std::ptrdiff_t>(index), item);
}

void CMacro::AddEvent(std::uint8_t type, std::int16_t code, std::uint8_t release,
                      std::int32_t delay, InsertMode mode) {
    CEventItem item;
    item.serial = NextSerial();
    item.type = type;
    item.code = code;
    item.release = release;
    item.delay = delay;
    item.selected = 1;

    std::size_t index = events.size();
    if (mode == InsertMode::AfterSelection) {
        const auto selected = FirstSelected();
        index = selected ? *selected + 1 : 0;
    }
    InsertSelected(index, item);

    LayoutRows();
    owner_->OnScrollPosition(static_cast<int>(index));
}

void CMacro::DeleteSelectedEvent() {
    const auto selected = FirstSelected();
    if (!selected) {
        return;
    }
    const std::size_t index = *selected;
    events.erase(events.begin() + static_cast<std::ptrdiff_t>(index));
    owner_->OnEventCount(static_cast<int>(events.size()));

    for (std::size_t i = index; i < events.size(); ++i) {
        events[i].rect.top -= kRowHeight;
        events[i].rect.bottom -= kRowHeight;
    }
    if (events.empty()) {
        return;
    }
    if (index == events.size()) {
        events.front().selected = 1;
        owner_->OnScrollPosition(0);
    } else {
        events[index].selected = 1;
    }
}

bool CMacro::HasOnlyPresses() const {
    return !events.empty() && std::none_of(events.begin(), events.end(), [](const CEventItem& e) {
        return e.release == kEventRelease;
    });
}

std::optional<std::size_t> CMacro::FirstSelected() const {
    const auto found = std::find_if(events.begin(), events.end(),
                                    [](const CEventItem& event) { return event.IsSelected(); });
    if (found == events.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - events.begin());
}

void CMacro::SelectOnly(std::size_t index) {
    for (std::size_t i = 0; i < events.size(); ++i) {
        events[i].selected = i == index ? 1 : 0;
    }
}

IntRect CMacro::StandardRowRect(std::size_t index) const {
    return StandardListRow(static_cast<std::int64_t>(index), area.right);
}

void CMacro::LayoutRows() {
    for (std::size_t i = 0; i < events.size(); ++i) {
        events[i].rect = StandardRowRect(i);
    }
    owner_->OnScrollMaximum(static_cast<int>(events.size()));
}

std::int32_t CMacro::VisibleRowCount() const {
    return VisibleListRows(area.Height());
}

void CMacro::ScrollRowsTo(std::int32_t position) {
    const std::int32_t shift = ScrolledRowShift(static_cast<std::int64_t>(events.size()),
                                                VisibleRowCount(), position, area.bottom);
    for (std::size_t i = 0; i < events.size(); ++i) {
        IntRect rect = StandardRowRect(i);
        rect.top += shift;
        rect.bottom += shift;
        events[i].rect = rect;
    }
}

ProfileMacro CMacro::ToProfileMacro() const {
    ProfileMacro copy;
    copy.name = name;
    copy.id = id;
    copy.events.reserve(events.size());
    for (const CEventItem& event : events) {
        copy.events.push_back(event.ToMacroEvent());
    }
    return copy;
}

}  // namespace orvex
