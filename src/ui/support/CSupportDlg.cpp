#include "ui/support/CSupportDlg.h"

#include <QTimer>

#include "core/device/DeviceCommands.h"
#include "orvex/BuildInfo.h"
#include "ui/layout/SupportLayout.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavStatic.h"
#include "ui/skin/LayoutRectQt.h"
#include "ui/skin/SkinImageSet.h"
#include "ui/support/MakerSites.h"

namespace orvex::ui {

namespace {

constexpr int kSupportNormalElement = 123;
constexpr int kVersionFontHeight = 13;
const QString kSoftwareVersion = QString::fromLatin1(kReleaseVersion);

QUrl SiteAddress(const QString& host, const QString& path) {
    return QUrl(QStringLiteral("http://%1%2").arg(host, path));
}

}  // namespace

CSupportDlg::CSupportDlg(const WindowServices& services, QWidget* parent, FirmwareRead read)
    : PageDialog(parent),
      link_(services.link),
      openUrl_(services.openUrl),
      faq_(new CTavButton(this)),
      onlineSupport_(new CTavButton(this)),
      checkUpdates_(new CTavButton(this)),
      checkFirmware_(new CTavButton(this)),
      firmVersion_(new CTavStatic(this)),
      softVersion_(new CTavStatic(this)) {
    SkinImageSet& skin = SkinImageSet::Instance();
    skin.LoadSkinImages();
    SetBackgroundImage(skin.GetSkinImage(kSupportNormalElement, SkinState::Normal, {}));

    PlaceButton(faq_, kFaqId, ToQRect(layout::support::kFqa));
    PlaceButton(onlineSupport_, kOnlineSupportId, ToQRect(layout::support::kOnlineSupport));
    PlaceButton(checkUpdates_, kCheckUpdatesId, ToQRect(layout::support::kCheckUpdates));
    PlaceButton(checkFirmware_, kCheckFirmwareId, ToQRect(layout::support::kCheckFirmware));

    PlaceVersionStatic(softVersion_, kSoftVersionId, ToQRect(layout::support::kSoftVersion));
    softVersion_->SetText(kSoftwareVersion);
    PlaceVersionStatic(firmVersion_, kFirmVersionId, ToQRect(layout::support::kFirmVersion));
    if (read == FirmwareRead::WhenMade) {
        ShowFirmwareVersionOfMouse();
    } else {
        firmVersion_->SetText(QString::fromLatin1(kUnknownFirmwareVersion));
    }
}

void CSupportDlg::ShowFirmwareVersionOfMouse() {
    firmVersion_->SetText(ReadFirmwareVersionText());
}

void CSupportDlg::PlaceButton(CTavButton* button, int id, const QRect& rect) {
    SkinImageSet& skin = SkinImageSet::Instance();
    button->SetControlId(id);
    button->setGeometry(rect);
    button->SetImages(skin.CropFamily(SkinFamily::Support, SkinState::Normal, rect),
                      skin.CropFamily(SkinFamily::Support, SkinState::Hover, rect),
                      skin.CropFamily(SkinFamily::Support, SkinState::Pressed, rect), QImage());
}

void CSupportDlg::PlaceVersionStatic(CTavStatic* label, int id, const QRect& rect) {
    label->SetControlId(id);
    label->setGeometry(rect);
    label->SetBackground(
        SkinImageSet::Instance().CropFamily(SkinFamily::Support, SkinState::Normal, rect));
    label->SetFontHeight(kVersionFontHeight);
}

QString CSupportDlg::ReadFirmwareVersionText() const {
    if (!link_.EnsureOpen()) {
        return QString::fromLatin1(kUnknownFirmwareVersion);
    }
    // A mouse that does not answer shows 0.00, telling it apart from no mouse at all.
    const DeviceReply<std::uint16_t> version = ReadFirmwareVersion(link_);
    return QString::fromStdString(FormatFirmwareVersion(version.ok() ? version.value : 0));
}

void CSupportDlg::SetFirmwareVersionText(const QString& text) {
    firmVersion_->SetText(text);
}

QString CSupportDlg::firmwareVersionText() const {
    return firmVersion_->CurrentText();
}

QString CSupportDlg::softwareVersionText() const {
    return softVersion_->CurrentText();
}

QUrl CSupportDlg::AddressFor(int buttonId) {
    switch (buttonId) {
        case kFaqId:
            return SiteAddress(kMakerSupportSite,
                               QStringLiteral("/categories/20013662-frequently-asked-questions"));
        case kOnlineSupportId:
            return SiteAddress(kMakerSupportSite, QStringLiteral("/home"));
        case kCheckUpdatesId:
            return SiteAddress(kMakerMainSite, QStringLiteral("/"));
        case kCheckFirmwareId:
            return SiteAddress(kMakerSupportSite,
                               QStringLiteral("/categories/20014118-software-manual-downloads"));
        default:
            return {};
    }
}

CTavButton* CSupportDlg::button(int buttonId) const {
    switch (buttonId) {
        case kFaqId:
            return faq_;
        case kOnlineSupportId:
            return onlineSupport_;
        case kCheckUpdatesId:
            return checkUpdates_;
        case kCheckFirmwareId:
            return checkFirmware_;
        default:
            return nullptr;
    }
}

void CSupportDlg::ControlClicked(int controlId) {
    const QUrl address = AddressFor(controlId);
    if (address.isValid() && openUrl_) {
        // A slow browser start must never hold up the click that asked for it.
        QTimer::singleShot(0, this, [this, address] { openUrl_(address); });
    }
}

}  // namespace orvex::ui
