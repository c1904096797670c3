#include "ui/gallery/GalleryProgram.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>

#include "core/buttons/ButtonFunction.h"
#include "core/macros/CMacroEvent.h"
#include "core/macros/MacroList.h"
#include "core/profiles/ProfileFile.h"
#include "core/profiles/ProfileRecord.h"
#include "core/profiles/ProfileSlots.h"
#include "ui/app/CTESKDlg.h"
#include "ui/app/SlotBar.h"
#include "ui/buttons/CMouseSettingsDlg.h"
#include "ui/layout/ColorSettingsLayout.h"
#include "ui/lighting/CColorPanel.h"
#include "ui/lighting/CColorSettingsDlg.h"
#include "ui/lighting/CTavCbnColorButton.h"
#include "ui/pages/ProfilePage.h"
#include "ui/skin/CTavComboButton.h"
#include "ui/skin/CTavMenu.h"
#include "ui/skin/PopupMenu.h"

namespace orvex::ui::gallery {
namespace {

// What each page's picture is called, in the order of the page buttons.
const char* const kPageNames[] = {"page-MouseSettings", "page-Sensor", "page-ColorSettings",
                                  "page-MacroSettings", "page-Support"};

void WriteTypicalSlots(const std::filesystem::path& configRoot) {
    const auto folder = ProgramDataFolder(configRoot);
    if (!folder) {
        return;
    }
    ProfileRecord gaming = MakeDefaultProfile();
    gaming.name = u"Gaming";
    static_cast<void>(SaveProfile(gaming, SlotProfilePath(*folder, 2)));
    ProfileRecord disabled = MakeDefaultProfile();
    disabled.name = u"Profile5";
    disabled.enabled = 0;
    static_cast<void>(SaveProfile(disabled, SlotProfilePath(*folder, 5)));

    // Two macros, the second shown at start: "ab" typed with the delays between the keys.
    MacroList macros;
    macros.SetMacroFolder(MacroFolderPath(*folder));
    macros.AddMacro(16, u"Rapid Fire")
        .AddEvent(kMouseButtonEventType, 1, kEventPress, 30, InsertMode::Append);
    CMacro& typed = macros.AddMacro(17, u"Greeting");
    for (const std::int16_t key : {std::int16_t{'A'}, std::int16_t{'B'}}) {
        typed.AddEvent(kKeyEventType, key, kEventPress, 120, InsertMode::Append);
        typed.AddEvent(kKeyEventType, key, kEventRelease, 80, InsertMode::Append);
    }
    static_cast<void>(macros.SaveMacroList());
}

// The window with the shown pop-ups drawn where they are on the screen.
QImage WithPopups(QWidget& window) {
    QRect area = window.geometry();
    std::vector<QWidget*> popups;
    for (QWidget* shown : QApplication::topLevelWidgets()) {
        if (shown != &window && shown->isVisible()) {
            popups.push_back(shown);
            area |= shown->geometry();
        }
    }
    QImage shot(area.size(), QImage::Format_ARGB32);
    shot.fill(QColor(235, 235, 235));
    QPainter painter(&shot);
    painter.drawPixmap(window.geometry().topLeft() - area.topLeft(), window.grab());
    for (QWidget* popup : popups) {
        painter.drawPixmap(popup->geometry().topLeft() - area.topLeft(), popup->grab());
    }
    return shot;
}

// Lets the pages' own timers (the sensor page's step labels, the preview) run once, as they would
// have before anyone looked.
void LetTimersRun() {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 150) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

void ClickCentre(QWidget* widget) {
    const QPoint at = widget->rect().center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
}

// Hovers a menu's entry, which opens its sub-list.
void HoverItem(PopupMenu& menu, int id) {
    for (int i = 0; i < menu.itemCount(); ++i) {
        if (menu.item(i).id == id) {
            const QPoint at = menu.item(i).rect.center();
            QMouseEvent move(QEvent::MouseMove, at, menu.mapToGlobal(at), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(&menu, &move);
        }
    }
}

void CloseMenus() {
    for (QWidget* shown : QApplication::topLevelWidgets()) {
        if (auto* menu = qobject_cast<PopupMenu*>(shown); menu != nullptr && menu->isVisible()) {
            menu->Close();
        }
    }
}

}  // namespace

GalleryProgram::GalleryProgram(const WindowServices& services,
                               const std::filesystem::path& configRoot) {
    WriteTypicalSlots(configRoot);
    window_ = std::make_unique<CTESKDlg>(services, configRoot);
    window_->pollTimer().stop();
    window_->move(40, 40);
    window_->show();
}

GalleryProgram::~GalleryProgram() = default;

std::vector<GalleryPicture> GalleryProgram::RenderWindowAndPages() {
    std::vector<GalleryPicture> pictures;
    LetTimersRun();
    pictures.push_back({QStringLiteral("window-Main"), window_->grab().toImage()});
    for (int page = CTESKDlg::kPageCount - 1; page >= 0; --page) {
        window_->SelectPage(page);
        LetTimersRun();
        pictures.push_back(
            {QString::fromLatin1(kPageNames[page]), window_->pageWidget(page)->grab().toImage()});
    }
    return pictures;
}

std::vector<GalleryPicture> GalleryProgram::RenderOpenMenus() {
    std::vector<GalleryPicture> pictures;
    window_->SelectPage(CTESKDlg::kMousePage);
    ClickCentre(window_->slotMenuButton(2));
    pictures.push_back({QStringLiteral("window-Main-slot-menu"), WithPopups(*window_)});
    CloseMenus();

    ClickCentre(window_->languageSelector());
    pictures.push_back({QStringLiteral("window-Main-language-menu"), WithPopups(*window_)});
    CloseMenus();

    window_->OpenTrayMenu(window_->geometry().bottomRight() + QPoint(-20, 60));
    pictures.push_back({QStringLiteral("window-Main-tray-menu"), WithPopups(*window_)});
    CloseMenus();

    auto* mouse = static_cast<CMouseSettingsDlg*>(window_->profilePage(CTESKDlg::kMousePage));
    CTavComboButton* function = mouse->functionButton(2);
    ClickCentre(function);
    if (PopupMenu* menu = function->menu(); menu != nullptr && menu->isVisible()) {
        HoverItem(*menu, kDefaultCommandsMenuId);
        pictures.push_back({QStringLiteral("menu-open"), WithPopups(*window_)});
    }
    CloseMenus();

    window_->SelectPage(CTESKDlg::kLightingPage);
    auto* lighting = static_cast<CColorSettingsDlg*>(window_->profilePage(CTESKDlg::kLightingPage));
    // The zones' own swatches show only while the zones are chosen one by one.
    lighting->ControlClicked(layout::colorsettings::kSelectId);
    CTavCbnColorButton* swatch = lighting->colourButton(layout::colorsettings::kZone1ColourId);
    ClickCentre(swatch);
    if (swatch->panel() != nullptr && swatch->panel()->isVisible()) {
        pictures.push_back(
            {QStringLiteral("window-ColorPanel"), swatch->panel()->grab().toImage()});
        pictures.push_back({QStringLiteral("window-Main-colour-panel"), WithPopups(*window_)});
        swatch->panel()->hide();
    }
    return pictures;
}

}  // namespace orvex::ui::gallery
