#pragma once

#include <QPainter>

#include "ui/layout/MainWindowLayout.h"

namespace orvex::skingen {

inline QSize PageSize() {
    return QSize(ui::layout::mainwindow::kPageSize.width, ui::layout::mainwindow::kPageSize.height);
}

// The ground every page is drawn on: it continues the main window's page area seamlessly.
void DrawPageBackground(QPainter& painter);

}  // namespace orvex::skingen
