#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/device/HidTransport.h"
#include "core/log/Log.h"

namespace orvex {

// Hands every listing, open and feature-report transfer on to another transport and writes one
// line about each to the log: what was asked, the report id, the bytes that went out or came back
// in hex, and how it ended. Devices it opens are wrapped the same way. With a quiet log it only
// passes calls through, so a program can wrap its transport whenever it has a log to give.
class LoggingTransport final : public HidTransport {
  public:
    // Both must outlive the transport and every device it opens.
    LoggingTransport(HidTransport& inner, Log& log) : inner_(inner), log_(log) {}

    std::vector<HidInterfaceInfo> ListInterfaces() override;
    std::unique_ptr<HidDevice> Open(const std::string& path) override;

  private:
    HidTransport& inner_;
    Log& log_;
};

}  // namespace orvex
