#pragma once

#include <QIcon>
#include <QImage>

namespace orvex::ui {

// The program's icon, for the window and the tray: a dark mouse with a lit wheel and a glowing
// seam, drawn in code at each size a desktop asks for.
class AppIcon {
  public:
    static QIcon Make();
    // One square rendering, `size` pixels wide.
    static QImage Render(int size);
};

}  // namespace orvex::ui
