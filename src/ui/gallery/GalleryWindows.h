#pragma once

#include <memory>

#include "ui/layout/PopupLayout.h"

class QWidget;

namespace orvex::ui {
class CTavImageDialog;
}

// The program's windows assembled from real controls for the gallery, each showing typical
// content (slot 1 selected, the default profile's values).
namespace orvex::ui::gallery {

// The main window with the page shown in its page area (nullptr for an empty page area).
std::unique_ptr<CTavImageDialog> BuildMainWindow(std::unique_ptr<CTavImageDialog> page);

// Pages, made as children of `parent` when one is given.
CTavImageDialog* BuildMouseSettingsPage(QWidget* parent = nullptr);
CTavImageDialog* BuildSensorPage(QWidget* parent = nullptr);
CTavImageDialog* BuildColorSettingsPage(QWidget* parent = nullptr);
CTavImageDialog* BuildMacroSettingsPage(QWidget* parent = nullptr);
CTavImageDialog* BuildSupportPage(QWidget* parent = nullptr);

std::unique_ptr<CTavImageDialog> BuildRenameDialog();
std::unique_ptr<CTavImageDialog> BuildPopup(const layout::popup::PopupFace& face);
std::unique_ptr<CTavImageDialog> BuildColorPanel();

}  // namespace orvex::ui::gallery
