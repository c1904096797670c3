#pragma once

#include <QString>
#include <QUrl>
#include <functional>

#include "ui/skin/CTavImageDialog.h"

namespace orvex::ui {

class CTavButton;
class CTavStatic;

// The support page: the program's and the mouse's firmware versions, and four buttons that open
// the maker's web pages in the default browser. The firmware version is read once when the page
// is made; the main window's hot-plug handling keeps it current afterwards.
class CSupportDlg : public CTavImageDialog {
    Q_OBJECT

  public:
    static constexpr int kFaqId = 1301;
    static constexpr int kOnlineSupportId = 1302;
    static constexpr int kCheckUpdatesId = 1303;
    static constexpr int kCheckFirmwareId = 1304;
    static constexpr int kFirmVersionId = 1305;
    static constexpr int kSoftVersionId = 1306;

    explicit CSupportDlg(QWidget* parent);

    void SetFirmwareVersionText(const QString& text);
    QString firmwareVersionText() const;
    QString softwareVersionText() const;

    // The address a button opens.
    static QUrl AddressFor(int buttonId);

    // Opens an address without waiting for the browser: the opening runs from the event loop.
    static void OpenUrlInBrowser(const QUrl& url);
    // Tests see the addresses instead of starting a browser; an empty function restores it.
    static void SetUrlOpenerForTests(std::function<void(QUrl)> opener);

    CTavButton* button(int buttonId) const;

    void ControlClicked(int controlId) override;

  private:
    void PlaceButton(CTavButton* button, int id, const QRect& rect);
    void PlaceVersionStatic(CTavStatic* label, int id, const QRect& rect);
    QString ReadFirmwareVersionText() const;

    CTavButton* faq_;
    CTavButton* onlineSupport_;
    CTavButton* checkUpdates_;
    CTavButton* checkFirmware_;
    CTavStatic* firmVersion_;
    CTavStatic* softVersion_;
};

}  // namespace orvex::ui
