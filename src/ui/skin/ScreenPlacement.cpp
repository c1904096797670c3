#include "ui/skin/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>

#include "ui/skin/WindowSystem.h"

namespace orvex::ui {
namespace {

// One axis of a rectangle: its first pixel and the first pixel after it.
struct Span {
    int begin;
    int end;

    int Length() const { return end - begin; }
    bool Inside(const Span& area) const { return begin >= area.begin && end <= area.end; }
};

Span Shifted(const Span& wanted, const Span& area) {
    if (wanted.Length() >= area.Length() || wanted.begin < area.begin) {
        return {area.begin, area.begin + wanted.Length()};
    }
    if (wanted.end > area.end) {
        return {area.end - wanted.Length(), area.end};
    }
    return wanted;
}

Span Placed(const Span& wanted, const Span& area, const std::optional<Span>& anchor) {
    if (wanted.Inside(area)) {
        return wanted;
    }
    if (anchor) {
        const int mirror = anchor->begin + anchor->end;
        const Span flipped{mirror - wanted.end, mirror - wanted.begin};
        if (flipped.Inside(area)) {
            return flipped;
        }
    }
    return Shifted(wanted, area);
}

Span Horizontal(const QRect& rect) {
    return {rect.x(), rect.x() + rect.width()};
}

Span Vertical(const QRect& rect) {
    return {rect.y(), rect.y() + rect.height()};
}

}  // namespace

QRect PlaceOnScreen(const QRect& wanted, const QRect& available,
                    const std::optional<QRect>& anchor) {
    const Span x = Placed(Horizontal(wanted), Horizontal(available),
                          anchor ? std::optional(Horizontal(*anchor)) : std::nullopt);
    const Span y = Placed(Vertical(wanted), Vertical(available),
                          anchor ? std::optional(Vertical(*anchor)) : std::nullopt);
    return {x.begin, y.begin, x.Length(), y.Length()};
}

std::optional<QRect> AvailableScreenAreaAt(const QPoint& globalPoint) {
    if (!WindowSystemKnowsWindowPositions()) {
        return std::nullopt;
    }
    QScreen* screen = QGuiApplication::screenAt(globalPoint);
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return std::nullopt;
    }
    return screen->availableGeometry();
}

}  // namespace orvex::ui
