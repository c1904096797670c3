#include "core/profiles/ProfileFormat.h"

#include <array>
#include <concepts>
#include <string_view>

#include "core/profiles/ProfileFields.h"

namespace orvex {
namespace {

constexpr std::array<std::uint8_t, 4> kProfileMagic{0x12, 0x06, 0x33, 0x01};

// The file keeps the byte sign-extended to 16 bits (0xC8 is written C8 FF).
std::int16_t SignExtend(std::uint8_t value) {
    return static_cast<std::int16_t>(static_cast<std::int8_t>(value));
}

// The file form of a plain number: little-endian in the width of its type.
template <typename T>
concept FileNumber =
    std::same_as<T, std::uint8_t> || std::same_as<T, std::int16_t> || std::same_as<T, std::int32_t>;

class FileWriter {
  public:
    explicit FileWriter(DataStream& stream) : stream_(stream) {}

    void operator()(std::string_view, const std::u16string& text) { stream_.WriteString(text); }

    template <FileNumber T>
    void operator()(std::string_view, T value) {
        if constexpr (sizeof(T) == 1) {
            stream_.WriteByte(value);
        } else if constexpr (sizeof(T) == 2) {
            stream_.WriteInt16(value);
        } else {
            stream_.WriteInt32(value);
        }
    }

    void operator()(std::string_view, SignExtendedByte<const std::uint8_t> field) {
        stream_.WriteInt16(SignExtend(field.value));
    }

    template <typename Numbers>
    void operator()(std::string_view, NumberTexts<Numbers> field) {
        for (std::uint32_t number : field.values) {
            stream_.WriteNumberText(static_cast<std::int32_t>(number));
        }
    }

    template <typename Item, std::size_t N>
    void operator()(std::string_view, const std::array<Item, N>& items) {
        for (const Item& item : items) {
            VisitItemFields(item, *this);
        }
    }

    void operator()(std::string_view, const std::vector<CMacroEvent>& events) {
        stream_.WriteInt32(static_cast<std::int32_t>(events.size()));
        for (const CMacroEvent& event : events) {
            VisitItemFields(event, *this);
        }
    }

  private:
    DataStream& stream_;
};

// Adds up the file sizes of fixed-size fields.
struct FileSizeCounter {
    std::size_t bytes = 0;

    template <FileNumber T>
    constexpr void operator()(std::string_view, T) {
        bytes += sizeof(T);
    }
};

constexpr std::size_t EventFileSize() {
    const CMacroEvent event;
    FileSizeCounter counter;
    VisitItemFields(event, counter);
    return counter.bytes;
}

class FileReader {
  public:
    explicit FileReader(DataStream& stream) : stream_(stream) {}

    void operator()(std::string_view, std::u16string& text) { text = stream_.ReadString(); }

    template <FileNumber T>
    void operator()(std::string_view, T& field) {
        if constexpr (sizeof(T) == 1) {
            field = stream_.ReadByte();
        } else if constexpr (sizeof(T) == 2) {
            field = stream_.ReadInt16();
        } else {
            field = stream_.ReadInt32();
        }
    }

    void operator()(std::string_view, SignExtendedByte<std::uint8_t> field) {
        field.value = static_cast<std::uint8_t>(stream_.ReadInt16() & 0xFF);
    }

    template <typename Numbers>
    void operator()(std::string_view, NumberTexts<Numbers> field) {
        for (std::uint32_t& number : field.values) {
            number = static_cast<std::uint32_t>(stream_.ReadNumberText());
        }
    }

    template <typename Item, std::size_t N>
    void operator()(std::string_view, std::array<Item, N>& items) {
        for (Item& item : items) {
            VisitItemFields(item, *this);
        }
    }

    void operator()(std::string_view, std::vector<CMacroEvent>& events) {
        static constexpr std::size_t kEventFileSize = EventFileSize();
        events.clear();
        const std::int32_t count = stream_.ReadInt32();
        // A count of zero or with its sign bit set means no events; a positive count must fit.
        if (count <= 0 || !stream_.CanRead(count, kEventFileSize)) {
            return;
        }
        events.reserve(static_cast<std::size_t>(count));
        for (std::int32_t i = 0; i < count; ++i) {
            CMacroEvent event;
            VisitItemFields(event, *this);
            events.push_back(event);
        }
    }

  private:
    DataStream& stream_;
};

}  // namespace

const char* ProfileLoadStatusName(ProfileLoadStatus status) {
    switch (status) {
        case ProfileLoadStatus::Loaded:
            return "loaded";
        case ProfileLoadStatus::Missing:
            return "no such file";
        case ProfileLoadStatus::Unreadable:
            return "cannot be read";
        case ProfileLoadStatus::NotAProfile:
            return "not a profile file";
        case ProfileLoadStatus::Damaged:
            return "damaged or incomplete";
    }
    return "unknown";
}

void WriteProfile(DataStream& stream, const ProfileRecord& record) {
    for (std::uint8_t byte : kProfileMagic) {
        stream.WriteByte(byte);
    }
    VisitProfileFields(record, FileWriter(stream));
}

std::vector<std::uint8_t> ProfileFileBytes(const ProfileRecord& record) {
    DataStream stream;
    WriteProfile(stream, record);
    return {stream.bytes().begin(), stream.bytes().end()};
}

ProfileLoadStatus ReadProfile(DataStream& stream, ProfileRecord& record) {
    std::array<std::uint8_t, 4> magic{};
    for (std::uint8_t& byte : magic) {
        byte = stream.ReadByte();
    }
    if (stream.failed() || magic != kProfileMagic) {
        return ProfileLoadStatus::NotAProfile;
    }
    // Read into a copy so that a file failing half-way changes nothing.
    ProfileRecord loaded = record;
    VisitProfileFields(loaded, FileReader(stream));
    if (stream.failed()) {
        return ProfileLoadStatus::Damaged;
    }
    record = std::move(loaded);
    return ProfileLoadStatus::Loaded;
}

ProfileLoadStatus ReadProfileBytes(std::span<const std::uint8_t> bytes, ProfileRecord& record) {
    DataStream stream(bytes);
    return ReadProfile(stream, record);
}

}  // namespace orvex
