#pragma once

#include <filesystem>

#include "core/macros/MacroRecorder.h"
#include "ui/pages/ProfilePage.h"
#include "ui/services/WindowServices.h"

class QKeyEvent;

namespace orvex::ui {

class CTavButton;
class CTavCheckBox;
class CTavListBox;
class CTavMacroCtrl;
class KeyCapturedEvent;

// The macro page: the macro list and the event list side by side, New Macro and Delete, and the
// recording options with Start and Stop Record. Macros are global, not profile data; the page
// loads them from the macro folder when it is made, gives them out to the mouse page through
// macroList(), and writes them back on SaveMacroList. After a confirmed delete it emits
// MacroDeleted, so the window can make the mouse page drop bindings to the deleted macro.
//
// While recording, every key the keyboard hook reports (from any window) is added to the shown
// macro, and keys pressed in the page itself operate nothing; Enter still commits an open name or
// delay editor, recording or not.
class CMacroSettingsDlg : public ProfilePage {
    Q_OBJECT

  public:
    static constexpr const char* kStartHookFailed = "start hook failed!";

    // Loads the macros of `macroFolder`; the last one is shown.
    CMacroSettingsDlg(const WindowServices& services, const std::filesystem::path& macroFolder,
                      QWidget* parent);
    ~CMacroSettingsDlg() override;

    void SaveMacroList() override;
    const MacroList* macroList() const override;

    void ControlNotification(int code, int value) override;
    void ControlClicked(int controlId) override;

    bool isRecording() const;
    CTavListBox* macroListBox() const { return macroList_; }
    CTavMacroCtrl* eventList() const { return eventList_; }
    // The buttons and check boxes by their control ids (layout::macrosettings).
    CTavButton* button(int id) const;
    CTavCheckBox* checkBox(int id) const;

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void PlaceControls();
    void LoadMacros(const std::filesystem::path& macroFolder);

    void NewMacro();
    void DeleteMacro();
    void ShowSelectedMacro(int id);
    void StartRecording();
    void StartRecordingIntoClearedMacro();
    void StopRecording();
    void KeyCaptured(const KeyCapturedEvent& key);
    bool HandlePageKey(QObject* watched, const QKeyEvent& key);

    const WindowServices& services_;
    MacroRecorder recorder_;

    CTavListBox* macroList_;
    CTavMacroCtrl* eventList_;
    CTavButton* newMacro_;
    CTavButton* delete_;
    CTavCheckBox* recordDelay_;
    CTavCheckBox* recordHold_;
    CTavButton* startRecord_;
    CTavButton* stopRecord_;
};

}  // namespace orvex::ui
