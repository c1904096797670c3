#include "ui/app/DeviceServices.h"

#include <cstdio>
#include <cstdlib>

namespace orvex::ui {

namespace {
DeviceLink* installedLink = nullptr;
}

void DeviceServices::Install(DeviceLink* link) {
    installedLink = link;
}

bool DeviceServices::IsInstalled() {
    return installedLink != nullptr;
}

DeviceLink& DeviceServices::Link() {
    if (installedLink == nullptr) {
        std::fputs("orvex-sk: no device link installed\n", stderr);
        std::abort();
    }
    return *installedLink;
}

}  // namespace orvex::ui
