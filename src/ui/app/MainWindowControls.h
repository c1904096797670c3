#pragma once

#include <QRect>
#include <QString>

#include "ui/layout/LayoutRect.h"
#include "ui/skin/LayoutRectQt.h"

class QWidget;

namespace orvex::ui {

class CTavButton;
class CTavComboButton;

// A button of the main window at its place, with its four state pictures cut from the main
// window's skin family under it.
CTavButton* MakeMainButton(QWidget* window, int id, const layout::LayoutRect& rect,
                           const QString& text = QString());

// A drop-down button of the main window with its three pictures cut the same way.
CTavComboButton* MakeMainComboButton(QWidget* window, int id, const layout::LayoutRect& rect);

}  // namespace orvex::ui
