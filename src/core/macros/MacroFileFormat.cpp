#include "core/macros/MacroFileFormat.h"

#include "core/profiles/DataStream.h"

namespace orvex {
namespace {

void WriteRect(DataStream& stream, const IntRect& rect) {
    stream.WriteInt32(rect.left);
    stream.WriteInt32(rect.top);
    stream.WriteInt32(rect.right);
    stream.WriteInt32(rect.bottom);
}

IntRect ReadRect(DataStream& stream) {
    const auto values = stream.ReadFourInt32();
    return {values[0], values[1], values[2], values[3]};
}

void WriteEvent(DataStream& stream, const CEventItem& event) {
    stream.WriteByte(event.type);
    stream.WriteInt16(event.code);
    stream.WriteByte(event.release);
    stream.WriteInt32(event.delay);
    WriteRect(stream, event.rect);
    stream.WriteInt32(event.selected);
    stream.WriteInt32(event.serial);
}

CEventItem ReadEvent(DataStream& stream) {
    CEventItem event;
    event.type = stream.ReadByte();
    event.code = stream.ReadInt16();
    event.release = stream.ReadByte();
    event.delay = stream.ReadInt32();
    event.rect = ReadRect(stream);
    event.selected = stream.ReadInt32();
    event.serial = stream.ReadInt32();
    return event;
}

std::vector<std::uint8_t> Bytes(const DataStream& stream) {
    const auto bytes = stream.bytes();
    return {bytes.begin(), bytes.end()};
}

}  // namespace

std::vector<std::uint8_t> EncodeMacroFile(const CMacro& macro) {
    DataStream stream;
    stream.WriteString(macro.name);
    stream.WriteInt32(macro.id);
    WriteRect(stream, macro.area);
    stream.WriteInt32(static_cast<std::int32_t>(macro.events.size()));
    for (const CEventItem& event : macro.events) {
        WriteEvent(stream, event);
    }
    return Bytes(stream);
}

std::optional<CMacro> DecodeMacroFile(std::span<const std::uint8_t> bytes) {
    DataStream stream(bytes);
    CMacro macro;
    macro.name = stream.ReadString();
    macro.id = stream.ReadInt32();
    macro.area = ReadRect(stream);
    const std::int32_t count = stream.ReadInt32();
    if (stream.failed()) {
        return std::nullopt;
    }
    if (count > 0) {
        // Checked against the bytes left before anything is reserved for them.
        if (!stream.CanRead(count, kMacroFileEventSize)) {
            return std::nullopt;
        }
        macro.events.reserve(static_cast<std::size_t>(count));
        for (std::int32_t i = 0; i < count; ++i) {
            macro.events.push_back(ReadEvent(stream));
        }
    }
    if (stream.failed()) {
        return std::nullopt;
    }
    return macro;
}

std::vector<std::uint8_t> EncodeMacroList(const std::vector<std::u16string>& paths) {
    DataStream stream;
    stream.WriteInt32(static_cast<std::int32_t>(paths.size()));
    for (const std::u16string& path : paths) {
        stream.WriteString(path);
    }
    return Bytes(stream);
}

std::vector<std::u16string> DecodeMacroList(std::span<const std::uint8_t> bytes) {
    DataStream stream(bytes);
    const std::int32_t count = stream.ReadInt32();
    std::vector<std::u16string> paths;
    // Grows entry by entry: each string needs at least its 4-byte count, so a huge count in a
    // short file stops at the end of the data instead of reserving for it.
    for (std::int32_t i = 0; i < count; ++i) {
        std::u16string path = stream.ReadString();
        if (stream.failed()) {
            break;
        }
        paths.push_back(std::move(path));
    }
    return paths;
}

}  // namespace orvex
