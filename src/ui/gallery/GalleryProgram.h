#pragma once

#include <QImage>
#include <QString>
#include <filesystem>
#include <memory>
#include <vector>

#include "ui/gallery/GallerySheets.h"
#include "ui/services/WindowServices.h"

namespace orvex::ui {
class CTESKDlg;
}

namespace orvex::ui::gallery {

// The program's own main window over the services it is given, with typical content: slot 2
// renamed "Gaming", slot 5 disabled, slot 1 shown. Its pictures are the program's real windows,
// pages, menus and pop-ups, so the gallery shows what a user sees.
class GalleryProgram {
  public:
    // `configRoot` is a throw-away configuration folder; the slot files are written there.
    GalleryProgram(const WindowServices& services, const std::filesystem::path& configRoot);
    ~GalleryProgram();

    // The window with the mouse page, each page alone, and the window with an open menu drawn
    // where it opens on the screen (slot menu, language list, tray menu, a function menu with its
    // "Default Commands" list, a colour panel).
    std::vector<GalleryPicture> RenderWindowAndPages();
    std::vector<GalleryPicture> RenderOpenMenus();

  private:
    std::unique_ptr<CTESKDlg> window_;
};

// The rename dialog and every pop-up face, each as the program makes it, plus the countdown
// part way and the key capture with a key.
std::vector<GalleryPicture> RenderDialogs(const WindowServices& services);

}  // namespace orvex::ui::gallery
