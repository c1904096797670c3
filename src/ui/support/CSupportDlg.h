#pragma once

#include <QString>
#include <QUrl>
#include <functional>

#include "ui/pages/PageDialog.h"
#include "ui/services/WindowServices.h"

namespace orvex::ui {

class CTavButton;
class CTavStatic;

// The support page: the program's and the mouse's firmware versions, and four buttons that open
// the maker's web pages in the default browser. The firmware version is read once, when the page
// is made or, for the main window, once the window has painted; the main window's hot-plug
// handling keeps it current afterwards.
class CSupportDlg : public PageDialog {
    Q_OBJECT

  public:
    static constexpr int kFaqId = 1301;
    static constexpr int kOnlineSupportId = 1302;
    static constexpr int kCheckUpdatesId = 1303;
    static constexpr int kCheckFirmwareId = 1304;
    static constexpr int kFirmVersionId = 1305;
    static constexpr int kSoftVersionId = 1306;

    // When the page first asks the mouse for its firmware version. The main window reads it once
    // it has painted: the reply takes the mouse's wait, which would hold back the first frame.
    enum class FirmwareRead { WhenMade, Later };

    CSupportDlg(const WindowServices& services, QWidget* parent,
                FirmwareRead read = FirmwareRead::WhenMade);

    // Asks the mouse for its firmware version and shows it ("-.--" without a mouse, 0.00 when
    // the read fails).
    void ShowFirmwareVersionOfMouse();

    void SetFirmwareVersionText(const QString& text);
    QString firmwareVersionText() const;
    QString softwareVersionText() const;

    // The address a button opens.
    static QUrl AddressFor(int buttonId);

    CTavButton* button(int buttonId) const;

    void ControlClicked(int controlId) override;

  private:
    void PlaceButton(CTavButton* button, int id, const QRect& rect);
    void PlaceVersionStatic(CTavStatic* label, int id, const QRect& rect);
    QString ReadFirmwareVersionText() const;

    DeviceLink& link_;
    std::function<void(const QUrl&)> openUrl_;

    CTavButton* faq_;
    CTavButton* onlineSupport_;
    CTavButton* checkUpdates_;
    CTavButton* checkFirmware_;
    CTavStatic* firmVersion_;
    CTavStatic* softVersion_;
};

}  // namespace orvex::ui
