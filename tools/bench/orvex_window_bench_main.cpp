// orvex-window-bench: the window's Apply button clicked on the program's own window, over the
// virtual mouse on the real clock; prints Apply's wall time over the protocol's waits. Runs
// without a display (Qt's offscreen platform) and beside the skin, like the gallery.

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "CountingClock.h"
#include "core/device/DeviceLink.h"
#include "core/log/Log.h"
#include "sim/VirtualMouse.h"
#include "sim/VirtualMouseTransport.h"
#include "ui/app/CTESKDlg.h"
#include "ui/layout/MainWindowLayout.h"
#include "ui/macros/KeyboardHookSlot.h"
#include "ui/sensor/CPopDlg.h"
#include "ui/skin/CTavButton.h"

namespace {

void Click(QWidget& control) {
    const QPointF centre = QRectF(control.rect()).center();
    const QPointF global = control.mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&control, &press);
    QApplication::sendEvent(&control, &release);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QTemporaryDir configRoot;
    if (!configRoot.isValid()) {
        std::fprintf(stderr, "orvex-window-bench: no temporary folder\n");
        return 1;
    }

    orvex::sim::VirtualMouse mouse;
    orvex::sim::VirtualMouseTransport transport{mouse};
    orvex::bench::CountingClock clock;
    orvex::DeviceLink link{transport, clock};
    orvex::NullLog log;
    orvex::ui::KeyboardHookSlot keyboardHook{nullptr};
    orvex::ui::ModalPopupRunner popups{{link, keyboardHook, log}};
    const orvex::ui::WindowServices services{
        .link = link,
        .log = log,
        .popups = popups,
        .keyboardHook = keyboardHook,
        .pointer = nullptr,
        .openUrl = [](const QUrl&) {},
    };
    orvex::ui::CTESKDlg window(services, configRoot.path().toStdString());
    window.show();
    QApplication::processEvents();
    if (!link.OpenMouse()) {
        std::fprintf(stderr, "orvex-window-bench: the virtual mouse was not found\n");
        return 1;
    }

    const orvex::Milliseconds waitedBefore = clock.waited();
    QElapsedTimer wall;
    wall.start();
    Click(*window.controlButton(orvex::ui::layout::mainwindow::kApplyId));
    const double wallMs = static_cast<double>(wall.nsecsElapsed()) / 1e6;
    const double waitedMs = static_cast<double>((clock.waited() - waitedBefore).count());
    std::printf("%-34s %10.3f %-6s goal %s\n", "apply (window button): wall / waits",
                wallMs / waitedMs, "", "<= 1.05");
    return 0;
}
