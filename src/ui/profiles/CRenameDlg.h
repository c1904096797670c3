#pragma once

#include "core/profiles/ProfileRecord.h"
#include "ui/skin/CTavImageDialog.h"

namespace orvex::ui {

class CTavButton;
class CTavEdit;

// The small dialog that renames a profile slot: one empty edit box; OK (or Enter) makes its text,
// whatever it is, the profile's name; Cancel, Close and Escape change nothing. The caller shows
// the new name on the slot's button; the file and the mouse get it at the next save and Apply.
class CRenameDlg : public CTavImageDialog {
    Q_OBJECT

  public:
    static constexpr int kRenamed = 1;
    static constexpr int kUnchanged = 2;
    static constexpr int kOkId = 1072;
    static constexpr int kCancelId = 1073;
    static constexpr int kCloseId = 1074;
    static constexpr int kEditId = 1075;

    CRenameDlg(ProfileRecord& profile, QWidget* owner);

    // Runs the dialog modally; kRenamed or kUnchanged.
    static int Run(ProfileRecord& profile, QWidget* owner);

    CTavButton* okButton() const { return ok_; }
    CTavButton* cancelButton() const { return cancel_; }
    CTavButton* closeButton() const { return close_; }
    CTavEdit* edit() const { return edit_; }

    void ControlClicked(int controlId) override;
    void reject() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Rename();

    ProfileRecord& profile_;
    CTavButton* ok_;
    CTavButton* cancel_;
    CTavButton* close_;
    CTavEdit* edit_;
};

}  // namespace orvex::ui
