#include "core/device/LoggingTransport.h"

#include <cstdio>
#include <span>
#include <string_view>

namespace orvex {
namespace {

constexpr std::string_view kArea = "device";

std::string Hex4(std::uint16_t value) {
    char text[5];
    std::snprintf(text, sizeof text, "%04x", static_cast<unsigned>(value));
    return text;
}

// "60" for a report starting with id 0x60; an empty buffer has no id.
std::string ReportId(std::span<const std::uint8_t> report) {
    return report.empty() ? std::string("none") : HexBytes(report.first(1));
}

std::string Outcome(HidError error) {
    return error == HidError::None ? std::string("ok")
                                   : std::string("failed: ") + HidErrorName(error);
}

std::string InterfaceText(const HidInterfaceInfo& info) {
    std::string text = info.path + " " + Hex4(info.vendorId) + ":" + Hex4(info.productId) + " (";
    for (std::size_t i = 0; i < info.topLevelUsages.size(); ++i) {
        text += (i == 0 ? "" : " ") + Hex4(info.topLevelUsages[i].usagePage) + ":" +
                Hex4(info.topLevelUsages[i].usage);
    }
    return text + ")";
}

class LoggingDevice final : public HidDevice {
  public:
    LoggingDevice(std::unique_ptr<HidDevice> inner, std::string path, Log& log)
        : inner_(std::move(inner)), path_(std::move(path)), log_(log) {}

    bool TryLockExchange() override {
        const bool locked = inner_->TryLockExchange();
        if (!locked && log_.Enabled()) {
            log_.Write(kArea, path_ + " is held by another program");
        }
        return locked;
    }
    void UnlockExchange() override { inner_->UnlockExchange(); }
    void SetWaitingForExchange(bool waiting) override { inner_->SetWaitingForExchange(waiting); }
    bool OthersWaitingForExchange() override {
        const bool waiting = inner_->OthersWaitingForExchange();
        if (waiting && log_.Enabled()) {
            log_.Write(kArea, "another program waits for " + path_ + "; it goes first");
        }
        return waiting;
    }

    HidError SetFeature(std::span<const std::uint8_t> report) override {
        const HidError error = inner_->SetFeature(report);
        if (log_.Enabled()) {
            log_.Write(kArea, "set report " + ReportId(report) + " on " + path_ + ": " +
                                  HexBytes(report) + " -> " + Outcome(error));
        }
        return error;
    }

    HidError GetFeature(std::span<std::uint8_t> report) override {
        // The id is the caller's request; after a failed read the rest of the buffer means nothing.
        const std::string id = ReportId(report);
        const HidError error = inner_->GetFeature(report);
        if (log_.Enabled()) {
            std::string line = "get report " + id + " on " + path_;
            if (error == HidError::None) {
                line += ": " + HexBytes(report);
            }
            log_.Write(kArea, line + " -> " + Outcome(error));
        }
        return error;
    }

  private:
    std::unique_ptr<HidDevice> inner_;
    std::string path_;
    Log& log_;
};

}  // namespace

std::vector<HidInterfaceInfo> LoggingTransport::ListInterfaces() {
    std::vector<HidInterfaceInfo> interfaces = inner_.ListInterfaces();
    if (log_.Enabled()) {
        std::string line = "list: " + std::to_string(interfaces.size()) + " interface(s)";
        for (const HidInterfaceInfo& info : interfaces) {
            line += "; " + InterfaceText(info);
        }
        log_.Write(kArea, line);
    }
    return interfaces;
}

std::unique_ptr<HidDevice> LoggingTransport::Open(const std::string& path) {
    std::unique_ptr<HidDevice> device = inner_.Open(path);
    LogLine(&log_, kArea, "open " + path + (device ? ": ok" : ": failed"));
    if (!device) {
        return nullptr;
    }
    return std::make_unique<LoggingDevice>(std::move(device), path, log_);
}

}  // namespace orvex
