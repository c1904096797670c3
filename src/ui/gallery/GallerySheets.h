#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace orvex::ui::gallery {

struct GalleryPicture {
    QString name;  // file name stem
    QImage image;
};

// One picture per control type: the control in each of its states, side by side and labelled.
std::vector<GalleryPicture> RenderControlSheets();

}  // namespace orvex::ui::gallery
