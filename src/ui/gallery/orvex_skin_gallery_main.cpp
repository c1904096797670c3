// orvex-skin-gallery OUT_DIR: the program's windows, pages, menus and pop-ups as a user sees them,
// and every control type in each of its states, as PNG files. The windows are the program's own,
// over a virtual mouse in virtual time and a throw-away configuration folder.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "core/device/DeviceLink.h"
#include "core/device/VirtualClock.h"
#include "core/log/Log.h"
#include "sim/VirtualMouse.h"
#include "sim/VirtualMouseTransport.h"
#include "ui/gallery/GalleryProgram.h"
#include "ui/gallery/GallerySheets.h"
#include "ui/macros/KeyboardHookSlot.h"
#include "ui/sensor/CPopDlg.h"
#include "ui/skin/SkinFonts.h"
#include "ui/skin/SkinLocation.h"

namespace {

namespace gallery = orvex::ui::gallery;

bool Save(const QDir& folder, const gallery::GalleryPicture& picture) {
    const bool saved = !picture.image.isNull() &&
                       picture.image.save(folder.filePath(picture.name + QStringLiteral(".png")));
    if (!saved) {
        std::fprintf(stderr, "orvex-skin-gallery: could not render %s\n", qPrintable(picture.name));
    }
    return saved;
}

bool SaveAll(const QDir& folder, const std::vector<gallery::GalleryPicture>& pictures) {
    bool saved = true;
    for (const gallery::GalleryPicture& picture : pictures) {
        saved &= Save(folder, picture);
    }
    return saved;
}

// A keyboard hook that installs and never hears a key: the key capture's pop-up shows as it does
// on a desktop, without the message a refused hook brings.
class SilentKeyboardHook final : public orvex::platform::KeyboardHook {
  public:
    bool Install(Sink) override {
        installed_ = true;
        return true;
    }
    void Remove() override { installed_ = false; }
    bool IsInstalled() const override { return installed_; }
    int ConnectionFd() const override { return -1; }
    void Dispatch() override {}

  private:
    bool installed_ = false;
};

// What the windows are given: a virtual mouse that never waits for real, a silent keyboard hook,
// no desktop settings, no browser.
struct GalleryServices {
    orvex::sim::VirtualMouse mouse;
    orvex::sim::VirtualMouseTransport transport{mouse};
    orvex::VirtualClock clock;
    orvex::DeviceLink link{transport, clock};
    orvex::NullLog log;
    orvex::ui::KeyboardHookSlot keyboardHook{[] { return std::make_unique<SilentKeyboardHook>(); }};
    orvex::ui::ModalPopupRunner popups{{link, keyboardHook, log}};
    orvex::ui::WindowServices services{
        .link = link,
        .log = log,
        .popups = popups,
        .keyboardHook = keyboardHook,
        .pointer = nullptr,
        .openUrl = [](const QUrl&) {},
    };
};

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: orvex-skin-gallery OUT_DIR\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir configRoot;
    if (!folder.mkpath(QStringLiteral(".")) || !configRoot.isValid()) {
        std::fprintf(stderr, "orvex-skin-gallery: cannot create %s\n", argv[1]);
        return 1;
    }
    orvex::ui::RegisterSkinFont(orvex::ui::SkinLocation::ForRunningProgram().fontFile);

    GalleryServices services;
    bool saved = true;
    {
        gallery::GalleryProgram program(services.services,
                                        std::filesystem::path(configRoot.path().toStdString()));
        saved &= SaveAll(folder, program.RenderWindowAndPages());
        saved &= SaveAll(folder, program.RenderOpenMenus());
    }
    saved &= SaveAll(folder, gallery::RenderDialogs(services.services));
    saved &= SaveAll(folder, gallery::RenderControlSheets());
    return saved ? 0 : 1;
}
