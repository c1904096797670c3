#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>
#include <cstddef>
#include <filesystem>

#include "core/device/Clock.h"
#include "core/macros/CMacro.h"
#include "core/macros/MacroList.h"
#include "core/macros/MacroListObserver.h"
#include "core/profiles/FileWrite.h"
#include "ui/skin/ControlNotificationTarget.h"
#include "ui/skin/SkinnedControl.h"

namespace orvex::ui {

class CTavEdit;
class CTavMenu;
class CTavScrollCtrl;

// The event list: it owns the program's macros (the MacroList the mouse page copies bindings
// from) and shows the events of the current one, with a record menu on the right button for
// recording before or after an event, inserting mouse events, editing delays and deleting. It
// tells its parent (kStartRecordingCode, 1 or 2) when a start entry is chosen and passes the
// menu's hide notices up as they come.
class CTavMacroCtrl : public QWidget,
                      public SkinnedControl,
                      public ControlNotificationTarget,
                      private MacroListObserver {
    Q_OBJECT

  public:
    // The record menu's id comes from the clock's tick count; the clock must outlive the list.
    explicit CTavMacroCtrl(const Clock& clock, QWidget* parent = nullptr);

    void SetBackgroundImage(const QImage& image);
    // Makes the list's scroll bar, always shown; the list must have its size.
    void CreateScrollBar();
    // Makes the record menu.
    void BuildMenu();

    MacroList& macros() { return macros_; }
    const MacroList& macros() const { return macros_; }
    void SetMacroFolder(const std::filesystem::path& folder) { macros_.SetMacroFolder(folder); }
    // How many entries of the macro folder's list could not be read.
    std::size_t LoadMacroList() { return macros_.LoadMacroList(); }
    FileWriteResult SaveMacroList() { return macros_.SaveMacroList(); }

    // Shows the first macro with that id, made empty under `name` when there is none. A delay
    // being typed is given to the macro it was typed for first.
    void ShowMacro(int id, const QString& name);
    void RemoveMacro(int id) { macros_.RemoveMacro(id); }
    CMacro* CurrentMacro() { return macros_.CurrentMacro(); }

    // Sets the first selected event's delay to the typed one, if any, and closes the editor.
    // False when it was not open.
    bool CommitDelayEditor();

    bool isRecording() const { return recording_; }
    void SetRecording(bool recording) { recording_ = recording; }
    // Where recorded events go; the record menu's start entries make it "after the selection"
    // for the life of the list.
    InsertMode insertMode() const { return insertMode_; }

    // Null until made or first used.
    CTavMenu* menu() const { return menu_; }
    CTavEdit* delayEditor() const { return delayEditor_; }
    CTavScrollCtrl* scrollBar() const { return scrollBar_; }

    // The scroll bar's position, the menu's choices and hide notices, and the macros' layout
    // notices (kEventRowsLaidOutCode, kEventCountChangedCode, kEventScrollToCode).
    void ControlNotification(int code, int value) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    // What the macros tell the list that shows them.
    void OnRepaint() override { update(); }
    void OnScrollMaximum(int maximum) override;
    void OnEventCount(int count) override;
    void OnScrollPosition(int position) override;
    void OnMacroShown(const CMacro& macro) override;
    void OnMacroAdded(const CMacro& macro) override;

    void OnMenuChoice(int entryId);
    void InsertMouseEvent(int entryId);
    void MoveSelectionBack();
    void OpenDelayEditor();
    void SetScrollPosition(int position);
    void SelectEventAt(const QPoint& point);

    const Clock& clock_;
    QImage background_;
    QFont font_;
    MacroList macros_;
    CTavMenu* menu_ = nullptr;
    int menuId_ = -1;
    CTavEdit* delayEditor_ = nullptr;
    CTavScrollCtrl* scrollBar_ = nullptr;
    InsertMode insertMode_ = InsertMode::Append;
    bool recording_ = false;
};

}  // namespace orvex::ui
