#pragma once

#include <QPoint>
#include <QString>
#include <QTimer>
#include <array>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "core/macros/MacroList.h"
#include "core/profiles/ConfigFolders.h"
#include "core/profiles/FileWrite.h"
#include "core/profiles/ProfileRecord.h"
#include "orvex/BuildInfo.h"
#include "ui/services/WindowServices.h"
#include "ui/skin/CTavImageDialog.h"

namespace orvex::ui {

class CSupportDlg;
class CTavButton;
class CTavComboButton;
class CTavMenu;
class CTavStatic;
class ProfilePage;
class ProfilePoll;
class SlotBar;
class WindowDrag;

// The program's only top-level window: a frameless skinned dialog with five page buttons, the five
// profile slots and their menus, Reset to Default, the language selector, OK, Apply and Cancel, and
// one of five pages at a time. It owns the five profile records and decides which one is current;
// it moves values between the records and the pages, writes the slot files, sends the profiles to
// the mouse and pushes the current profile's pointer settings to the desktop. It also answers the
// tray (the app adds the icon and forwards its clicks), hot-plug and the profile poll.
//
// OK and Cancel only hide the window; the program ends when the tray menu's "Exit" is chosen:
// the window emits ExitRequested and the app removes the tray icon, calls SaveMacroListOnExit and
// quits. Closing the window through the desktop hides it, as Cancel does. Without a tray to come
// back from, OK and Cancel minimise the window instead and closing it asks to exit.
class CTESKDlg : public CTavImageDialog {
    Q_OBJECT

  public:
    static constexpr const char* kWindowTitle = "ORVEX SK Software";
    static constexpr const char* kProgramVersion = kReleaseVersion;
    static constexpr int kPollIntervalMs = 2000;
    // A mouse just plugged in is given this long before it is spoken to.
    static constexpr std::chrono::milliseconds kArrivalSettleTime{900};

    // Pages in the order of their buttons (ids 1000 ... 1004).
    enum Page : int { kMousePage = 0, kSensorPage, kLightingPage, kMacroPage, kSupportPage };
    static constexpr int kPageCount = 5;

    // Tray menu items.
    static constexpr int kTrayConfigMouseItem = 100;
    static constexpr int kTrayExitItem = 101;

    // Makes the page of one kind, or returns nullptr for the program's own. Called for the mouse,
    // sensor, lighting and macro pages; the support page is always the real one. Tests put pages
    // of their own in.
    using PageFactory = std::function<ProfilePage*(Page page, QWidget* parent)>;

    // Whether the window counts as the desktop's foreground window for the profile poll.
    using ForegroundTest = std::function<bool(const CTESKDlg&)>;
    // Whether the program's icon is in a tray, from which a hidden window can be brought back.
    using TrayTest = std::function<bool()>;

    // `configRoot` is the per-user configuration root (the profiles and macros live in
    // <root>/Velnor/ORVEX SK); an empty path means the user's own. Loads the five slot files,
    // builds the controls and the pages (showing the mouse page and slot 1) and starts the
    // profile poll. `services` must outlive the window.
    CTESKDlg(const WindowServices& services, std::filesystem::path configRoot,
             PageFactory pageFactory = {}, QWidget* parent = nullptr);
    ~CTESKDlg() override;

    // Replaces the foreground test (by default: visible and active), for a desktop or a test
    // that knows better.
    void SetForegroundTest(ForegroundTest test) { foregroundTest_ = std::move(test); }
    // Tells the window whether it can go to the tray (by default it can).
    void SetTrayTest(TrayTest test) { trayTest_ = std::move(test); }

    // Page buttons: nothing when `page` is already shown; otherwise the data pages are written
    // back into the current record and `page` is shown.
    void SelectPage(int page);
    // Slot buttons, slots 1 ... 5 (also the current one): the pages are written back into the
    // current record, then slot `slot` becomes current and the pages show it.
    void SelectSlot(int slot);
    // Apply: writes the pages back, pushes the pointer settings, saves the five slot files and the
    // macro list, sends the five profiles to the mouse and makes the current one active. Without
    // the mouse "ORVEX SK mouse not found" is shown once.
    void ApplySettings();
    // Reset to Default, after the reset warning was answered with OK.
    void ResetAllProfiles();
    // The current record's double-click time, pointer speed, wheel lines and acceleration.
    void ApplyPointerSettings();

    // The tray icon's double click, "Config Mouse" and a second start: show, raise, activate.
    void ShowFromTray();
    // Opens the tray menu with its bottom-right corner at `globalPos` (made on first use).
    void OpenTrayMenu(const QPoint& globalPos);
    // The mouse was plugged in: settle, open it if needed and show its firmware version.
    void OnDeviceArrival();
    // The mouse was unplugged: forget it and show "-.--".
    void OnDeviceRemoval();
    // One tick of the profile poll: follows the mouse's own profile switching while the window
    // is in front, the mouse open and Apply not running.
    void PollActiveProfile();
    // The macro list is saved when the program ends, even without Apply.
    void SaveMacroListOnExit();

    // What the window shows and holds, for the app and for tests.
    int currentSlot() const { return currentSlot_; }
    int shownPage() const { return shownPage_; }
    bool applyBusy() const { return applyBusy_; }
    bool topMost() const { return topMost_; }
    const ProfileRecord& record(int slot) const;
    QString firmwareVersionText() const;
    QWidget* pageWidget(int page) const;
    ProfilePage* profilePage(int page) const;
    CSupportDlg* supportPage() const { return supportPage_; }
    CTavButton* pageButton(int page) const;
    CTavButton* slotButton(int slot) const;
    CTavComboButton* slotMenuButton(int slot) const;
    CTavButton* controlButton(int id) const;
    CTavComboButton* languageSelector() const { return languageSelector_; }
    CTavStatic* versionStatic() const { return versionStatic_; }
    CTavMenu* trayMenu() const { return trayMenu_; }
    // Tests stop it and tick the poll themselves.
    QTimer& pollTimer() { return pollTimer_; }
    const std::filesystem::path& programDataFolder() const { return programDataFolder_; }

    void ControlNotification(int code, int value) override;
    void ControlClicked(int controlId) override;

  signals:
    // "Exit" was chosen in the tray menu, or the window was closed with no tray to go to.
    void ExitRequested();

  public slots:
    // The dialog's own OK and Cancel actions (Enter and Escape) do nothing.
    void accept() override {}
    void reject() override {}

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void BuildControls();
    void BuildPages(const PageFactory& pageFactory);
    // After the macro page deleted a macro: the mouse page writes its bindings back and shows
    // them again, so buttons bound to the deleted macro fall back to their defaults at once.
    void ReloadMouseBindings();
    void OnSlotMenuItem(int slot, int item);
    void OnTrayMenuItem(int item);
    void SetTopMost(bool topMost);
    void WritePagesBack();
    void LoadPagesFromCurrent();
    void RenameSlot(int slot);
    void ExportSlot(int slot);
    void ImportSlot(int slot);
    void ToggleSlotEnabled(int slot);
    void ShowSlotState(int slot);
    void ReportFileFailure(const QString& action, const FileWriteResult& result);
    bool IsInFront() const;
    // OK and Cancel: into the tray, or onto the task bar where there is no tray.
    void PutAway();
    ProfileRecord& CurrentRecord() { return records_[static_cast<std::size_t>(currentSlot_ - 1)]; }

    WindowServices services_;
    // What the mouse page lists when a test's macro page keeps no macros.
    MacroList noMacros_;
    std::filesystem::path programDataFolder_;
    ForegroundTest foregroundTest_;
    TrayTest trayTest_;
    std::array<ProfileRecord, kSlotCount> records_;
    int currentSlot_ = 1;
    int shownPage_ = -1;
    bool applyBusy_ = false;
    // The support page reads the firmware version after the window's first frame.
    bool firmwareVersionAsked_ = false;
    bool topMost_ = false;

    std::array<CTavButton*, kPageCount> pageButtons_{};
    std::array<QWidget*, kPageCount> pages_{};
    std::array<ProfilePage*, kPageCount> profilePages_{};
    CSupportDlg* supportPage_ = nullptr;
    std::unique_ptr<SlotBar> slotBar_;
    CTavComboButton* languageSelector_ = nullptr;
    CTavStatic* versionStatic_ = nullptr;
    CTavMenu* trayMenu_ = nullptr;
    std::unique_ptr<ProfilePoll> poll_;
    std::unique_ptr<WindowDrag> drag_;
    QTimer pollTimer_;
};

}  // namespace orvex::ui
