#include "ui/skin/ScrollBarGeometry.h"

#include "ui/skin/SliderGeometry.h"

namespace orvex::ui {

ScrollBarLayout LayOutScrollBar(int width, int height, ImageSize firstArrow, ImageSize secondArrow,
                                ImageSize thumb) {
    ScrollBarLayout layout;
    if (width > height) {
        layout.orientation = ScrollBarLayout::kHorizontal;
        layout.firstArrow = {0, 0, firstArrow.width, height};
        layout.secondArrow = {width - secondArrow.width, 0, width, height};
        layout.track = {firstArrow.width, 0, width - secondArrow.width, height};
        layout.thumb = {firstArrow.width, 0, firstArrow.width + thumb.width, height};
    } else {
        layout.orientation = ScrollBarLayout::kVertical;
        layout.firstArrow = {0, 0, width, firstArrow.height};
        layout.secondArrow = {0, height - secondArrow.height, width, height};
        layout.track = {0, firstArrow.height, width, height - secondArrow.height};
        layout.thumb = {0, firstArrow.height, width, firstArrow.height + thumb.height};
    }
    return layout;
}

EdgeRect PlaceScrollThumb(const ScrollBarLayout& layout, int position, int minimum, int maximum) {
    const int travel = layout.TrackLength() - layout.ThumbLength();
    const int lead =
        layout.TrackStart() + ScaledLength(travel, RangeFraction(position, minimum, maximum));
    if (layout.orientation == ScrollBarLayout::kHorizontal) {
        return {lead, layout.track.top, lead + layout.thumb.Width(),
                layout.track.top + layout.thumb.Height()};
    }
    return {layout.track.left, lead, layout.track.left + layout.thumb.Width(),
            lead + layout.thumb.Height()};
}

int ScrollPositionAt(const ScrollBarLayout& layout, int x, int y, int minimum, int maximum) {
    const int offset = layout.Along(x, y) - layout.ThumbLength() / 2 - layout.TrackStart();
    const int usableLength = layout.TrackLength() - layout.ThumbLength();
    return ValueFromOffset(offset, usableLength, minimum, maximum);
}

ScrollBarPart ScrollBarPartAt(const ScrollBarLayout& layout, int x, int y) {
    if (layout.firstArrow.Contains(x, y)) {
        return kFirstArrowPart;
    }
    if (layout.secondArrow.Contains(x, y)) {
        return kSecondArrowPart;
    }
    if (layout.thumb.Contains(x, y)) {
        return kThumbPart;
    }
    return kNoPart;
}

}  // namespace orvex::ui
