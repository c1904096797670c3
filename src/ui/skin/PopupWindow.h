#pragma once

#include <QWidget>

namespace orvex::ui {

// The program's pop-ups that must never take the focus from the window behind them: the pop-up
// menus and the colour panel.
//
// A tool-tip window is the one kind Qt never activates, on any platform (offscreen included),
// and that a modal dialog does not block; on X11 it is placed exactly where asked, with no
// window manager in between, as menus are. Qt::Popup would grab the pointer and keyboard.
inline constexpr Qt::WindowFlags kPopupWindowFlags =
    Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;

// What such a window is told besides its flags, `title` being the name it shows to the desktop.
inline void SetUpPopupWindow(QWidget& window, const QString& title) {
    window.setWindowTitle(title);
    window.setAttribute(Qt::WA_ShowWithoutActivating);
    window.setAttribute(Qt::WA_X11NetWmWindowTypePopupMenu);
    window.setAttribute(Qt::WA_OpaquePaintEvent);
}

}  // namespace orvex::ui
