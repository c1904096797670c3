#include "core/macros/MacroList.h"

#include <algorithm>
#include <utility>

#include "core/macros/MacroIds.h"

namespace orvex {

MacroList::MacroList(MacroListObserver* observer)
    : observer_(observer != nullptr ? observer : &SilentMacroListObserver()) {}

void MacroList::SetObserver(MacroListObserver* observer) {
    observer_ = observer != nullptr ? observer : &SilentMacroListObserver();
    for (const auto& macro : macros_) {
        macro->SetOwner(observer_);
    }
}

CMacro& MacroList::AddMacro(std::int32_t id, std::u16string name) {
    auto macro = std::make_unique<CMacro>(id, std::move(name), clientArea_);
    macro->SetOwner(observer_);
    macros_.push_back(std::move(macro));
    observer().OnMacroAdded(*macros_.back());
    return *macros_.back();
}

CMacro* MacroList::FindMacro(std::int32_t id) {
    const auto found = std::find_if(macros_.begin(), macros_.end(),
                                    [id](const auto& macro) { return macro->id == id; });
    return found != macros_.end() ? found->get() : nullptr;
}

CMacro& MacroList::ShowMacro(std::int32_t id, std::u16string_view name) {
    CMacro* macro = FindMacro(id);
    if (macro == nullptr) {
        macro = &AddMacro(id, std::u16string(name));
    }
    // A macro loaded from its file, or made before the list had its size, has its rows laid out
    // for another area; they are laid out again for the list's area as it is now.
    if (macro->area != clientArea_) {
        macro->area = clientArea_;
        macro->LayoutRows();
    }
    current_ = macro;
    observer().OnMacroShown(*macro);
    return *macro;
}

void MacroList::RemoveMacro(std::int32_t id) {
    if (current_ != nullptr && current_->id == id) {
        current_ = nullptr;
    }
    std::erase_if(macros_, [id](const auto& macro) { return macro->id == id; });
}

std::optional<ProfileMacro> MacroList::CopyMacro(std::int32_t id) const {
    const auto found = std::find_if(macros_.begin(), macros_.end(),
                                    [id](const auto& macro) { return macro->id == id; });
    if (found == macros_.end()) {
        return std::nullopt;
    }
    return (*found)->ToProfileMacro();
}

std::int32_t MacroList::NextId() const {
    std::vector<std::int32_t> ids;
    ids.reserve(macros_.size());
    for (const auto& macro : macros_) {
        ids.push_back(macro->id);
    }
    return NextMacroId(ids);
}

FileWriteResult MacroList::SaveMacroList() {
    bool renamed = false;
    FileWriteResult result = SaveMacroFolder(folder_, macros_, renamed, write_);
    if (renamed) {
        observer().OnRepaint();
    }
    return result;
}

std::size_t MacroList::LoadMacroList() {
    current_ = nullptr;
    MacroFolderContents contents = LoadMacroFolder(folder_);
    macros_ = std::move(contents.macros);
    for (const auto& macro : macros_) {
        macro->SetOwner(observer_);
    }
    observer().OnRepaint();
    return contents.skipped;
}

}  // namespace orvex
