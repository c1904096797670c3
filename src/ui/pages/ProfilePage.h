#pragma once

#include "core/profiles/ProfileRecord.h"
#include "ui/pages/PageDialog.h"

namespace orvex {
class MacroList;
}

namespace orvex::ui {

// A page the main window moves profile data through. The data pages (mouse, sensor, lighting)
// hold the user's edits in their controls until the window asks for them with SaveToProfile, and
// show a record when it calls LoadFromProfile. Every operation does nothing unless the page has
// something to do with it.
class ProfilePage : public PageDialog {
    Q_OBJECT

  public:
    // After each LoadFromProfile the window tells the sensor page what its "Enable X or Y
    // Separate Setting" check box would tell it, ControlNotification(kSeparateAxesCheckBoxId, 0),
    // so that the controls depending on the box follow the record just loaded.
    static constexpr int kSeparateAxesCheckBoxId = 1018;

    explicit ProfilePage(QWidget* parent) : PageDialog(parent) {}

    // Takes the record's values into the controls.
    virtual void LoadFromProfile(const ProfileRecord& record) { static_cast<void>(record); }
    // Writes the controls back into the record.
    virtual void SaveToProfile(ProfileRecord& record) { static_cast<void>(record); }
    // The mouse page refills its macro sub-lists when it is shown again.
    virtual void RebuildMacroLists() {}
    // The macro page writes its macro list to the macro folder.
    virtual void SaveMacroList() {}
    // The macro page gives out the program's macro list, which it owns; the other pages have
    // none.
    virtual const MacroList* macroList() const { return nullptr; }

  signals:
    // The macro page deleted a macro: buttons bound to it must fall back to their defaults.
    void MacroDeleted();
    // The page wants its values in the current record now, not only at the next page or slot
    // change (the lighting page, when the user presses Enter on it).
    void WriteBackRequested();
};

}  // namespace orvex::ui
