#include "ui/macros/ListScrollBar.h"

#include "core/macros/ListRows.h"
#include "ui/layout/ScrollBarLayout.h"
#include "ui/skin/CTavScrollCtrl.h"
#include "ui/skin/LayoutRectQt.h"
#include "ui/skin/SkinImageSet.h"

namespace orvex::ui {
namespace {

// The bar's skin elements: the whole bar, then its thumb and arrows, cut at rest from one bitmap
// and pressed from another.
constexpr int kBarElement = 135;
constexpr int kThumbElement = 136;
constexpr int kFirstArrowElement = 137;
constexpr int kSecondArrowElement = 138;

}  // namespace

CTavScrollCtrl* CreateListScrollBar(QWidget* list) {
    namespace sb = layout::scrollbar;
    SkinImageSet& skin = SkinImageSet::Instance();
    skin.LoadSkinImages();
    const auto part = [&skin](int element, SkinState state, const layout::LayoutRect& rect) {
        return skin.GetSkinImage(element, state, ToQRect(rect));
    };
    const QImage bar = skin.GetSkinImage(kBarElement, SkinState::Normal, QRect());
    auto* scrollBar = new CTavScrollCtrl(list);
    scrollBar->SetControlId(kListScrollBarId);
    scrollBar->setGeometry(list->width() - bar.width(), 0, bar.width(), list->height());
    scrollBar->SetImages(bar, part(kThumbElement, SkinState::Normal, sb::kThumb),
                         part(kThumbElement, SkinState::Hover, sb::kThumb),
                         part(kFirstArrowElement, SkinState::Normal, sb::kUpArrow),
                         part(kFirstArrowElement, SkinState::Hover, sb::kUpArrow),
                         part(kSecondArrowElement, SkinState::Normal, sb::kDownArrow),
                         part(kSecondArrowElement, SkinState::Hover, sb::kDownArrow));
    const int firstPosition = FirstScrollPosition(VisibleListRows(list->height()));
    scrollBar->SetMinimum(firstPosition);
    scrollBar->SetMaximum(firstPosition);
    return scrollBar;
}

}  // namespace orvex::ui
