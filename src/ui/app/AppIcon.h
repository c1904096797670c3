#pragma once

#include <QIcon>
#include <QImage>

class QPainter;

namespace orvex::ui {

// The program's icon, for the window and the tray: a dark mouse with a lit wheel and a glowing
// seam, drawn in code at each size a desktop asks for. The build draws the installed icons (the
// hicolor PNGs and the scalable SVG) with the same code, so menu, tray and window show one icon.
class AppIcon {
  public:
    // The sizes the window and the tray icon carry, and the installed hicolor sizes.
    static constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

    static QIcon Make();
    // One square rendering, `size` pixels wide.
    static QImage Render(int size);
    // Paints the icon into the square from (0, 0) to (size, size) of any paint device.
    static void Paint(QPainter& painter, double size);
};

}  // namespace orvex::ui
