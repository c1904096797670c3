#include <QFont>
#include <QPainter>
#include <QTest>

#include "MainWindowRig.h"
#include "core/profiles/ProfileFile.h"
#include "ui/DefaultSkinSet.h"
#include "ui/app/ProfileFileDialogs.h"
#include "ui/layout/MainWindowLayout.h"
#include "ui/sensor/CPopDlg.h"
#include "ui/skin/CTavComboButton.h"
#include "ui/skin/MessageBox.h"
#include "ui/skin/PopupMenu.h"
#include "ui/skin/SkinFiles.h"
#include "ui/skin/SkinImageSet.h"

namespace orvex::ui::testing {
namespace {

namespace main = layout::mainwindow;

constexpr int kFirstPageSlot = kSlotMouseSettingNormal;
constexpr int kFirstSmallSlot = kSlotSliderNormal;

QString Text(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QRect Rect(const layout::LayoutRect& r) {
    return QRect(r.left, r.top, r.width, r.height);
}

// The four states of a family, darkest for disabled, blue for pressed.
QColor StateShade(int state, QColor base) {
    switch (state) {
        case 1:
            return base.lighter(140);
        case 2:
            return QColor(28, 58, 102);
        case 3:
            return base.darker(160);
        default:
            return base;
    }
}

void OutlineControl(QPainter& painter, const QRect& rect, const QString& label) {
    painter.setPen(QColor(90, 110, 140));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.setPen(QColor(210, 210, 210));
    painter.drawText(rect, Qt::AlignCenter, label);
}

QImage MainPicture(int state) {
    QImage image(main::kWindowSize.width, main::kWindowSize.height, QImage::Format_RGB32);
    image.fill(QColor(24, 28, 34));
    QPainter painter(&image);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    const QColor shade = StateShade(state, QColor(40, 46, 56));
    auto control = [&](const layout::LayoutRect& rect, const QString& label) {
        painter.fillRect(Rect(rect), shade);
        OutlineControl(painter, Rect(rect), label);
    };
    const std::array<const char*, 5> tabs{"Mouse Settings", "Sensor Performance", "Color Settings",
                                          "Macro Settings", "Support"};
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        control(main::kPageTabs[i], QString::fromLatin1(tabs[i]));
    }
    for (std::size_t i = 0; i < main::kSlotButtons.size(); ++i) {
        control(main::kSlotButtons[i], QString());
        control(main::kSlotMenuButtons[i], QStringLiteral("v"));
    }
    control(main::kResetToDefault, QStringLiteral("Reset to Default"));
    control(main::kLanguage, QString());
    control(main::kOk, QStringLiteral("OK"));
    control(main::kApply, QStringLiteral("Apply"));
    control(main::kCancel, QStringLiteral("Cancel"));
    painter.setPen(QColor(160, 170, 185));
    painter.drawText(Rect(main::kLogoCaption), Qt::AlignVCenter, QStringLiteral("ORVEX SK"));
    painter.drawText(Rect(main::kProfilesCaption), Qt::AlignVCenter, QStringLiteral("Profiles"));
    painter.drawText(Rect(main::kLanguageCaption), Qt::AlignVCenter, QStringLiteral("Language"));
    painter.drawText(Rect(main::kVersionCaption), Qt::AlignVCenter, QStringLiteral("Version"));
    return image;
}

QImage PagePicture(int slot) {
    QImage image(main::kPageSize.width, main::kPageSize.height, QImage::Format_RGB32);
    image.fill(QColor(30 + (slot - kFirstPageSlot) * 3, 34, 44));
    QPainter painter(&image);
    painter.setPen(QColor(120, 130, 150));
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 14));
    const QString name = Text(kSkinFileNames[static_cast<std::size_t>(slot)]);
    painter.drawText(image.rect(), Qt::AlignCenter, name.section(QLatin1Char('.'), 0, 0));
    return image;
}

QImage SmallPicture() {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor(60, 60, 60));
    return image;
}

class SkinFolder {
  public:
    SkinFolder() {
        for (int slot = 0; slot < kSkinFileCount; ++slot) {
            const QString path =
                dir_.filePath(Text(kSkinFileNames[static_cast<std::size_t>(slot)]));
            const QImage picture = slot < kFirstPageSlot    ? MainPicture(slot)
                                   : slot < kFirstSmallSlot ? PagePicture(slot)
                                                            : SmallPicture();
            picture.save(path, path.endsWith(QStringLiteral(".png")) ? "PNG" : "BMP");
        }
    }
    QString path() const { return dir_.path(); }

  private:
    QTemporaryDir dir_;
};

SkinImageSet& SharedSkin() {
    static SkinImageSet set(MainWindowSkinFolder());
    return set;
}

}  // namespace

QString MainWindowSkinFolder() {
    static SkinFolder folder;
    return folder.path();
}

FakeDataPage::FakeDataPage(std::string name, CallLog& log, QWidget* parent)
    : ProfilePage(parent), name_(std::move(name)), log_(log) {
    resize(main::kPageSize.width, main::kPageSize.height);
}

// Each fake page owns a different field, so that writing the pages back in turn never lets one
// page undo another's edit.
void FakeDataPage::LoadFromProfile(const ProfileRecord& record) {
    log_.push_back("Load " + name_);
    value = name_ == "mouse"    ? record.doubleClickSetting
            : name_ == "sensor" ? record.pointerSpeed
                                : record.lightingEffect;
}

void FakeDataPage::SaveToProfile(ProfileRecord& record) {
    log_.push_back("Save " + name_);
    if (name_ == "mouse") {
        record.doubleClickSetting = static_cast<std::int16_t>(value);
    } else if (name_ == "sensor") {
        record.pointerSpeed = static_cast<std::uint8_t>(value);
    } else {
        record.lightingEffect = value;
    }
}

void FakeDataPage::RebuildMacroLists() {
    log_.push_back("Rebuild " + name_);
}

void FakeDataPage::SaveMacroList() {
    log_.push_back("SaveMacroList " + name_);
}

void FakeDataPage::ControlNotification(int code, int notifiedValue) {
    log_.push_back("Notify " + name_ + " " + std::to_string(code) + " " +
                   std::to_string(notifiedValue));
}

platform::PointerSettingsOutcome FakePointerSettings::Apply(
    const platform::PointerSettingsRequest& request) {
    requests.push_back(request);
    if (whileApplying) {
        whileApplying();
    }
    return {true, true, true, true, {}};
}

void MainWindowTest::SetUp() {
    ASSERT_TRUE(configRoot.isValid());
    SkinImageSet::SetInstanceForTests(&SharedSkin());
    services.services.pointer = &pointer;
}

void MainWindowTest::TearDown() {
    window.reset();
}

void MainWindowTest::MakeWindow(bool realMacroPage, bool realPages) {
    if (realPages) {
        MakeWindowWith({CTESKDlg::kMousePage, CTESKDlg::kSensorPage, CTESKDlg::kLightingPage,
                        CTESKDlg::kMacroPage});
    } else if (realMacroPage) {
        MakeWindowWith({CTESKDlg::kMacroPage});
    } else {
        MakeWindowWith({});
    }
}

void MainWindowTest::MakeWindowWith(std::initializer_list<CTESKDlg::Page> realPages) {
    const std::set<CTESKDlg::Page> real(realPages);
    if (!real.empty()) {
        SkinImageSet::SetInstanceForTests(&DefaultSkinSet());
    }
    auto pages = [this, real](CTESKDlg::Page which, QWidget* parent) -> ProfilePage* {
        if (real.count(which) != 0) {
            return nullptr;
        }
        switch (which) {
            case CTESKDlg::kMousePage:
                return new FakeDataPage("mouse", calls, parent);
            case CTESKDlg::kSensorPage:
                return new FakeDataPage("sensor", calls, parent);
            case CTESKDlg::kLightingPage:
                return new FakeDataPage("lighting", calls, parent);
            default:
                return new FakeDataPage("macros", calls, parent);
        }
    };
    window = std::make_unique<CTESKDlg>(
        services.services, std::filesystem::path(configRoot.path().toStdString()), pages);
    window->SetForegroundTest(
        [this](const CTESKDlg& shown) { return inFront && shown.isVisible(); });
    pollTimerStarted = window->pollTimer().isActive();
    window->pollTimer().stop();
    transfersBeforeFirstFrame = mouse.log().transfers().size();
    firmwareTextBeforeFirstFrame = window->firmwareVersionText();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    // The first frame, painted now rather than whenever the platform gets to it, and the
    // firmware read it queues, so that neither lands in the middle of a test.
    window->repaint();
    QCoreApplication::sendPostedEvents(window.get(), QEvent::MetaCall);
    ForgetHistory();
}

std::filesystem::path MainWindowTest::DataFolder() const {
    return std::filesystem::path(configRoot.path().toStdString()) / "Velnor" / "ORVEX SK";
}

std::filesystem::path MainWindowTest::SlotFile(int slot) const {
    return DataFolder() / "Profiles" / ("Default" + std::to_string(slot) + ".profile");
}

void MainWindowTest::WriteSlotFile(int slot, const ProfileRecord& record) const {
    ASSERT_TRUE(SaveProfile(record, SlotFile(slot)).ok);
}

ProfileRecord MainWindowTest::ReadSlotFile(int slot) const {
    ProfileRecord record;
    EXPECT_EQ(LoadProfile(SlotFile(slot), record), ProfileLoadStatus::Loaded) << slot;
    return record;
}

FakeDataPage& MainWindowTest::page(CTESKDlg::Page which) const {
    return *dynamic_cast<FakeDataPage*>(window->profilePage(which));
}

void MainWindowTest::ClickControl(QWidget* control) const {
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

void MainWindowTest::ChooseSlotMenuItem(int slot, int item) const {
    CTavComboButton* button = window->slotMenuButton(slot);
    ClickControl(button);
    PopupMenu* menu = button->menu();
    ASSERT_TRUE(menu->isVisible()) << "slot " << slot;
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->item(item - 1).rect.center());
}

void MainWindowTest::ForgetHistory() {
    calls.clear();
    pointer.requests.clear();
    mouse.transport.log().Clear();
    mouse.clock.ClearSleeps();
    MessageBox::TakeShownTexts();
    services.popups.TakeModes();
    services.log.lines.clear();
}

}  // namespace orvex::ui::testing
