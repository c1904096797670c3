#include "core/profiles/DataStream.h"

#include <algorithm>
#include <fstream>
#include <limits>
#include <system_error>

namespace orvex {
namespace {

constexpr std::size_t kUnitSize = 2;  // bytes per UTF-16 code unit

bool IsBlank(char16_t unit) {
    return unit == u' ' || (unit >= u'\t' && unit <= u'\r');
}

std::int32_t ParseDecimal(std::u16string_view text) {
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at])) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) {
        negative = text[at] == u'-';
        ++at;
    }
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at) {
        magnitude = std::min(magnitude * 10 + (text[at] - u'0'), kLimit);
    }
    const std::int64_t value = negative ? -magnitude : std::min(magnitude, kLimit - 1);
    return static_cast<std::int32_t>(value);
}

}  // namespace

DataStream::DataStream() {
    buffer_.reserve(kInitialCapacity);
}

DataStream::DataStream(std::span<const std::uint8_t> bytes) : buffer_(bytes.begin(), bytes.end()) {}

void DataStream::EnsureRoom(std::size_t n) {
    if (buffer_.capacity() - buffer_.size() < n) {
        buffer_.reserve(buffer_.capacity() + std::max(2 * n, kInitialCapacity));
    }
}

void DataStream::WriteByte(std::uint8_t value) {
    EnsureRoom(1);
    buffer_.push_back(value);
}

void DataStream::WriteInt16(std::int16_t value) {
    const auto bits = static_cast<std::uint16_t>(value);
    EnsureRoom(2);
    buffer_.push_back(static_cast<std::uint8_t>(bits & 0xFF));
    buffer_.push_back(static_cast<std::uint8_t>(bits >> 8));
}

void DataStream::WriteInt32(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    EnsureRoom(4);
    for (int shift = 0; shift < 32; shift += 8) {
        buffer_.push_back(static_cast<std::uint8_t>((bits >> shift) & 0xFF));
    }
}

void DataStream::WriteString(std::u16string_view text) {
    WriteInt32(static_cast<std::int32_t>(text.size()));
    EnsureRoom(text.size() * kUnitSize);
    for (char16_t unit : text) {
        buffer_.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        buffer_.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
}

void DataStream::WriteNumberText(std::int32_t value) {
    const std::string digits = std::to_string(value);
    WriteString(std::u16string(digits.begin(), digits.end()));
}

std::span<const std::uint8_t> DataStream::Take(std::size_t n) {
    if (failed_ || n > remaining()) {
        failed_ = true;
        return {};
    }
    const std::span<const std::uint8_t> taken(buffer_.data() + position_, n);
    position_ += n;
    return taken;
}

std::uint8_t DataStream::ReadByte() {
    const auto taken = Take(1);
    return taken.empty() ? 0 : taken[0];
}

std::int16_t DataStream::ReadInt16() {
    const auto taken = Take(2);
    if (taken.empty()) {
        return 0;
    }
    return static_cast<std::int16_t>(taken[0] | (taken[1] << 8));
}

std::int32_t DataStream::ReadInt32() {
    const auto taken = Take(4);
    if (taken.empty()) {
        return 0;
    }
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        bits |= std::uint32_t{taken[i]} << (8 * i);
    }
    return static_cast<std::int32_t>(bits);
}

bool DataStream::CanRead(std::int64_t count, std::size_t itemSize) {
    if (failed_ || count < 0 ||
        static_cast<std::uint64_t>(count) > remaining() / std::max<std::size_t>(itemSize, 1)) {
        failed_ = true;
        return false;
    }
    return true;
}

std::u16string DataStream::ReadString() {
    const std::int32_t count = ReadInt32();
    if (count <= 0) {
        return {};
    }
    const auto taken = Take(static_cast<std::size_t>(count) * kUnitSize);
    std::u16string text;
    text.reserve(taken.size() / kUnitSize);
    for (std::size_t i = 0; i + 1 < taken.size(); i += kUnitSize) {
        text.push_back(static_cast<char16_t>(taken[i] | (taken[i + 1] << 8)));
    }
    return text;
}

std::int32_t DataStream::ReadNumberText() {
    return ParseDecimal(ReadString());
}

std::array<std::int32_t, 4> DataStream::ReadFourInt32() {
    std::array<std::int32_t, 4> values{};
    for (std::int32_t& value : values) {
        value = ReadInt32();
    }
    return values;
}

bool DataStream::LoadFromFile(const std::filesystem::path& path) {
    buffer_.clear();
    position_ = 0;
    failed_ = false;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > kMaxFileSize) {
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    // The size can change between the check and the read; read what is there, up to the limit.
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        return false;
    }
    buffer_ = std::move(bytes);
    return true;
}

FileWriteResult DataStream::SaveToFile(const std::filesystem::path& path) const {
    if (path.has_parent_path() && !CreateFolderPath(path.parent_path())) {
        return FileWriteResult::Failure("cannot create the folder of " + path.string());
    }
    return WriteFileAtomically(path, buffer_);
}

}  // namespace orvex
