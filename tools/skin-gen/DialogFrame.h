#pragma once

#include <QPainter>
#include <QSize>
#include <QString>

namespace orvex::skingen {

// A small dialog's ground: window background, title strip with its title, accent edge.
void DrawDialogFrame(QPainter& painter, QSize size, const QString& title, int titleHeight);

}  // namespace orvex::skingen
