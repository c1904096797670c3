#pragma once

#include <QPainter>
#include <QPointF>
#include <QRectF>

// The mouse seen from above, drawn into any body rectangle: its features sit at fixed fractions
// of the body, so the lighting preview and the mouse settings page show the same mouse.
namespace orvex::skingen {

struct MouseFeature {
    double left;
    double top;
    double right;
    double bottom;
};

inline constexpr MouseFeature kWheel{0.36, 0.048, 0.64, 0.255};
inline constexpr MouseFeature kLogo{0.32, 0.726, 0.648, 0.904};
inline constexpr MouseFeature kDpiUp{0.42, 0.29, 0.58, 0.335};
inline constexpr MouseFeature kDpiDown{0.42, 0.35, 0.58, 0.395};
inline constexpr MouseFeature kProfileButton{0.44, 0.62, 0.56, 0.66};
inline constexpr MouseFeature kSideFront{-0.03, 0.30, 0.05, 0.40};
inline constexpr MouseFeature kSideForward{-0.03, 0.42, 0.05, 0.51};
inline constexpr MouseFeature kSideBack{-0.03, 0.54, 0.05, 0.63};

QRectF FeatureRect(const QRectF& body, const MouseFeature& feature);
QPointF BodyPoint(const QRectF& body, double fx, double fy);

// Shell, button split, wheel channel, buttons and the logo's frame.
void DrawMouseBody(QPainter& painter, const QRectF& body);

}  // namespace orvex::skingen
