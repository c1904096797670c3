#include "ui/skin/WindowSystem.h"

#include <QGuiApplication>

namespace orvex::ui {
namespace {

bool IsWayland() {
    // "wayland", or "wayland-egl" and the like when a plugin is named explicitly.
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace

bool WindowSystemKnowsWindowPositions() {
    return !IsWayland();
}

bool WindowSystemStacksOnRequest() {
    return !IsWayland();
}

}  // namespace orvex::ui
