#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>

namespace orvex {

// Where the program says what it did and what failed, for whoever is looking into a problem. The
// user-visible behaviour never depends on it: a quiet log writes nothing at all, and the program
// is quiet unless debugging was asked for (ORVEX_DEBUG=1, orvexctl --verbose).
//
// A log is handed to whoever needs one, like the clock; there is no program-wide log.
class Log {
  public:
    virtual ~Log() = default;

    // Whether Write has any effect; callers skip building costly messages (hex dumps) when not.
    virtual bool Enabled() const = 0;

    // One line about `area` ("device", "profiles", "window" ...); the log adds the line break.
    virtual void Write(std::string_view area, std::string_view message) = 0;
};

// Writes nothing: for code paths whose owner has no log to give.
class NullLog final : public Log {
  public:
    bool Enabled() const override { return false; }
    void Write(std::string_view, std::string_view) override {}
};

// Writes "orvex[area] message" lines to a C stream (stderr in the programs) when enabled.
class StreamLog final : public Log {
  public:
    StreamLog(std::FILE* stream, bool enabled) : stream_(stream), enabled_(enabled) {}

    bool Enabled() const override { return enabled_; }
    void Write(std::string_view area, std::string_view message) override;

  private:
    std::FILE* stream_;
    bool enabled_;
};

// True when the environment asks for the debug log: ORVEX_DEBUG is set to "1".
bool DebugLogRequested();

// Bytes as two-digit hex pairs separated by spaces; beyond `maxBytes` the rest is summarised as
// "... (N more)", so a 1041-byte report does not flood a terminal line.
std::string HexBytes(std::span<const std::uint8_t> bytes, std::size_t maxBytes = 64);

// Writes `message` when the log is enabled; `log` may be null.
void LogLine(Log* log, std::string_view area, std::string_view message);

}  // namespace orvex
