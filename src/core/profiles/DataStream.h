#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "core/profiles/FileWrite.h"

namespace orvex {

// The byte buffer behind the profile and macro files: little-endian integers and UTF-16LE strings
// with a 32-bit unit count.
//
// Reading is bounded: every read checks what is left, and the first read that does not fit marks
// the stream failed; from then on every read yields zero or empty and the position stays put. A
// count read from the data never sizes an allocation before it is checked against the bytes left.
class DataStream {
  public:
    static constexpr std::size_t kInitialCapacity = 1024;
    // Files larger than this are not ours; refusing them keeps a stray huge file out of memory.
    static constexpr std::uintmax_t kMaxFileSize = 16u * 1024u * 1024u;

    // An empty stream for writing.
    DataStream();
    // A stream for reading the given bytes.
    explicit DataStream(std::span<const std::uint8_t> bytes);

    // Grows the buffer so that n more bytes fit; growth is by at least 1 KiB.
    void EnsureRoom(std::size_t n);

    void WriteByte(std::uint8_t value);
    void WriteInt16(std::int16_t value);
    void WriteInt32(std::int32_t value);
    void WriteString(std::u16string_view text);
    void WriteNumberText(std::int32_t value);  // the decimal text of the value, as a string

    std::uint8_t ReadByte();
    std::int16_t ReadInt16();
    std::int32_t ReadInt32();
    // A count of 0 or with its sign bit set gives an empty string and consumes only the count.
    std::u16string ReadString();
    // Blanks, an optional sign, then digits up to the first other character; no digits gives 0,
    // a value beyond 32 bits is clamped.
    std::int32_t ReadNumberText();
    std::array<std::int32_t, 4> ReadFourInt32();

    // Whether `count` items of `itemSize` bytes fit in what is left; a count that cannot fit
    // fails the stream. For callers that read a counted list item by item.
    bool CanRead(std::int64_t count, std::size_t itemSize);

    // Replaces the contents with the whole file. False when it cannot be read or is larger than
    // kMaxFileSize; the stream is then empty.
    bool LoadFromFile(const std::filesystem::path& path);

    // Writes the bytes to the path through a temporary file in the same folder that is renamed
    // over it, creating the folders first. A failure leaves any old file untouched.
    FileWriteResult SaveToFile(const std::filesystem::path& path) const;

    bool failed() const { return failed_; }
    std::size_t length() const { return buffer_.size(); }
    std::size_t position() const { return position_; }
    std::size_t remaining() const { return buffer_.size() - position_; }
    std::span<const std::uint8_t> bytes() const { return buffer_; }

  private:
    // The next n bytes, consumed; empty (and the stream failed) when fewer are left.
    std::span<const std::uint8_t> Take(std::size_t n);

    std::vector<std::uint8_t> buffer_;
    std::size_t position_ = 0;
    bool failed_ = false;
};

}  // namespace orvex
