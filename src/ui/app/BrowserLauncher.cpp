#include "ui/app/BrowserLauncher.h"

#include <QDesktopServices>

#include "core/log/Log.h"

namespace orvex::ui {

void OpenInBrowser(const QUrl& url, Log& log) {
    if (!QDesktopServices::openUrl(url)) {
        LogLine(&log, "window", "no browser opened " + url.toString().toStdString());
    }
}

}  // namespace orvex::ui
