#pragma once

#include <QUrl>

namespace orvex {
class Log;
}

namespace orvex::ui {

// Opens an address in the user's default browser; a desktop without a browser to start is logged.
void OpenInBrowser(const QUrl& url, Log& log);

}  // namespace orvex::ui
