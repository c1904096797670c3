#pragma once

#include <QByteArray>
#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <filesystem>
#include <string>
#include <vector>

#include "ui/layout/LayoutRect.h"
#include "x11/XvfbServer.h"

namespace orvex::testing {

// The built orvex-sk on the shared X server, as a user starts it: its own configuration, runtime
// and virtual-mouse state files in a temporary folder, its windows found and clicked with
// xdotool, and orvexctl sharing its virtual mouse, so a test can compare what Apply put on the
// mouse with what the slot files hold.
class ProgramUnderTest : public XvfbTest {
  public:
    static constexpr int kStartMs = 15000;

    struct ScreenRect {
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
    };

    // The ids of the visible windows whose name (or with `field` "--classname", class) matches
    // `pattern`.
    static QStringList VisibleWindows(const QString& pattern,
                                      const QString& field = QStringLiteral("--name"));
    // Where a window is on the screen.
    static ScreenRect Geometry(const QString& window);
    // The program's open menu windows.
    static QStringList MenuWindows();
    // The program's windows other than the main window: its tray icon and an open menu. Qt names
    // the icon's window nothing, but it carries the program's window class.
    static QStringList SmallWindows();

  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program with --simulate on the fixture's state file, and `extra` arguments.
    void StartProgram(QProcess& process, const QStringList& extra = {});
    // Starts `program` (the fixture's own) and waits until its window is shown.
    void StartAndWaitForWindow();
    // Starts a system tray (trayer) at the screen's `edge` ("top", "bottom"), right-aligned, and
    // waits until Qt sees it; skips the test when trayer is not installed.
    void StartTray(const QString& edge);
    // Changes the environment of the programs started from now on (an empty value removes the
    // variable).
    void SetProgramVariable(const QString& name, const QString& value);

    static bool WindowShown();
    // The main window's X id; the test fails when it is not shown.
    static std::string MainWindowId();

    // A left click at a point of the main window (window coordinates), waiting until the program
    // handled it.
    void ClickInWindow(QPoint point) const;
    // A left click at the centre of a rectangle of the main window or of the page area.
    void ClickInWindow(const ui::layout::LayoutRect& rect) const;
    void ClickOnPage(const ui::layout::LayoutRect& rectOnPage) const;
    // Moves the pointer to a point of the screen, and clicks there when asked.
    static void MoveTo(int x, int y, bool click);
    // Moves the pointer as `xdotool mousemove` does with the arguments `where` ("--window", id,
    // x, y, or x, y on the screen) and clicks `button` `repeat` times; false when xdotool failed.
    static bool ClickAt(const std::vector<std::string>& where, int button = 1, int repeat = 1);
    // Points at (and clicks) entry `entry` of an open menu window of `entryCount` entries.
    static void PointAtEntry(const QString& menu, int entryCount, int entry, bool click);
    // Gives a window (an X id) the keyboard focus.
    static void FocusWindow(const std::string& window);
    // Keys typed into the focused window, by xdotool key names ("a", "Return", "ctrl+c").
    static void TypeKeys(const QStringList& keys);
    // Lets the program handle what was sent to it: waits until a round trip through its event
    // loop (a show request over its instance socket is not needed; the X server is synced).
    static void Settle();

    // orvexctl on the same virtual mouse and configuration; its standard output.
    QByteArray Orvexctl(const QStringList& arguments, int* exitCode = nullptr) const;
    // The 2048-byte image the virtual mouse holds for profile `slot`.
    QByteArray MouseImage(int slot) const;
    // The image orvexctl builds from the slot file, for the same profile number.
    QByteArray SlotFileImage(int slot) const;
    // Waits (within kStartMs) until the mouse holds exactly the five slot files' images, as an
    // Apply leaves it; false when it never does. The program runs the virtual mouse on the real
    // clock, so an Apply takes a few seconds.
    bool WaitUntilMouseHoldsTheSlotFiles() const;

    std::filesystem::path ConfigFolder() const;  // .../Velnor/ORVEX SK
    std::filesystem::path SlotFile(int slot) const;
    QString StateFile() const;
    std::filesystem::path MacroListFile() const;  // .../Macros/macroList.dat
    // The GSettings key file the program writes the desktop's settings into.
    std::filesystem::path GSettingsKeyFile() const;

    QTemporaryDir folder_;
    QProcess program_;
    QProcess tray_;
    QProcessEnvironment programVariables_;
    // How the program's output is handled; by default its errors go to the test's.
    QProcess::ProcessChannelMode channels_ = QProcess::ForwardedErrorChannel;

  private:
    // Takes the pointer away from the screen point (x, y), wherever it is.
    static void StepOffThePointer(int x, int y);
};

}  // namespace orvex::testing
