#pragma once

class QWidget;

namespace orvex::ui {

class CTavScrollCtrl;

// The vertical scroll bar of the macro page's lists: a child of the list with control id 100,
// along the list's right edge, as wide as its background picture and as high as the list, with
// the skin's pictures. Its range starts at the position that shows the list from the top (see
// ScrolledRowShift); the list sets the maximum.
inline constexpr int kListScrollBarId = 100;

CTavScrollCtrl* CreateListScrollBar(QWidget* list);

}  // namespace orvex::ui
