#pragma once

#include "core/profiles/ProfileRecord.h"
#include "ui/skin/CTavImageDialog.h"

namespace orvex::ui {

// A page of the main window: a skinned dialog embedded in the window, which shows one at a time.
// The data pages (mouse, sensor, lighting) hold the user's edits in their controls until the
// window asks for them with SaveToProfile, and show a record when it calls LoadFromProfile. Every
// operation does nothing unless the page has something to do with it.
//
// Enter and Escape must never close a page, so a page's own OK and Cancel actions do nothing.
class ProfilePage : public CTavImageDialog {
    Q_OBJECT

  public:
    // After each LoadFromProfile the window tells the sensor page what its "Enable X or Y
    // Separate Setting" check box would tell it, ControlNotification(kSeparateAxesCheckBoxId, 0),
    // so that the controls depending on the box follow the record just loaded.
    static constexpr int kSeparateAxesCheckBoxId = 1018;

    explicit ProfilePage(QWidget* parent) : CTavImageDialog(parent, Qt::Widget) {}

    // Takes the record's values into the controls.
    virtual void LoadFromProfile(const ProfileRecord& record) { static_cast<void>(record); }
    // Writes the controls back into the record.
    virtual void SaveToProfile(ProfileRecord& record) { static_cast<void>(record); }
    // The mouse page refills its macro sub-lists when it is shown again.
    virtual void RebuildMacroLists() {}
    // The macro page writes its macro list to the macro folder.
    virtual void SaveMacroList() {}

  public slots:
    void accept() override {}
    void reject() override {}
};

}  // namespace orvex::ui
