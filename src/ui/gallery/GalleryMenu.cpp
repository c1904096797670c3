#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <memory>

#include "ui/gallery/GalleryControls.h"
#include "ui/gallery/GallerySheets.h"
#include "ui/gallery/GalleryWindows.h"
#include "ui/layout/MouseSettingsLayout.h"
#include "ui/skin/CTavComboButton.h"
#include "ui/skin/CTavImageDialog.h"
#include "ui/skin/MenuItem.h"
#include "ui/skin/PopupMenu.h"

namespace orvex::ui::gallery {
namespace {

constexpr int kDefaultCommands = 255;
constexpr int kAssignRecordMacro = 14;

void FillFunctionMenu(CTavComboButton& button) {
    button.AddMenuItem(kDefaultCommands, QStringLiteral("Default Commands"));
    static const char* const kDefaults[] = {"Left Click", "Right Click", "Scroll Click", "Forward",
                                            "Back",       "Dpi up",      "Dpi down"};
    for (int code = 0; code < 7; ++code) {
        button.AddSubMenuItem(code, kDefaultCommands, QString::fromLatin1(kDefaults[code]));
    }
    button.AddMenuItem(9, QStringLiteral("Profile switch up"));
    button.AddMenuItem(10, QStringLiteral("Profile switch down"));
    button.AddMenuItem(8, QStringLiteral("Profile switch roll"));
    button.AddMenuItem(11, QStringLiteral("Scroll up"));
    button.AddMenuItem(12, QStringLiteral("Scroll down"));
    button.AddMenuItem(13, QStringLiteral("Single key assign..."));
    button.AddMenuItem(kAssignRecordMacro, QStringLiteral("Assign record macro"));
    button.AddSubMenuItem(16, kAssignRecordMacro, QStringLiteral("Rapid Fire"));
    button.AddSubMenuItem(17, kAssignRecordMacro, QStringLiteral("Build Combo"));
    button.AddMenuItem(15, QStringLiteral("Disable Button"));
}

void Click(QWidget* widget, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

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

}  // namespace

QImage RenderOpenMenu() {
    namespace ms = layout::mousesettings;
    std::unique_ptr<CTavImageDialog> page(BuildMouseSettingsPage());
    page->move(0, 0);
    page->show();
    auto* button = new CTavComboButton(page.get());
    button->setGeometry(ToQRect(ms::kFunctions[2]));
    button->SetImages(Crop(SkinFamily::MouseSetting, SkinState::Normal, ms::kFunctions[2]),
                      Crop(SkinFamily::MouseSetting, SkinState::Hover, ms::kFunctions[2]),
                      Crop(SkinFamily::MouseSetting, SkinState::Pressed, ms::kFunctions[2]));
    button->SetLabelFont(QStringLiteral("NeoSansStd-Regular"), 14);
    button->SetSelection(QStringLiteral("Scroll Click"), 2, 0);
    button->show();
    FillFunctionMenu(*button);
    // The widths the mouse settings page gives its sub-lists.
    if (PopupMenu* defaults = button->menu()->GetSubMenu(kDefaultCommands)) {
        defaults->resize(100, defaults->height());
    }
    if (PopupMenu* macros = button->menu()->GetSubMenu(kAssignRecordMacro)) {
        macros->resize(130, macros->height());
    }
    Click(button, button->rect().center());
    PopupMenu* menu = button->menu();
    if (menu == nullptr || !menu->isVisible()) {
        return {};
    }
    HoverItem(*menu, kDefaultCommands);

    QImage picture = page->grab().toImage();
    QPainter painter(&picture);
    const QPoint origin = page->mapToGlobal(QPoint(0, 0));
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<PopupMenu*>(window) != nullptr && window->isVisible()) {
            painter.drawImage(window->geometry().topLeft() - origin, window->grab().toImage());
        }
    }
    painter.end();
    menu->Close();
    return picture;
}

}  // namespace orvex::ui::gallery
