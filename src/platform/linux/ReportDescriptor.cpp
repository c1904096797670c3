#include "platform/linux/ReportDescriptor.h"

#include <array>
#include <cstddef>
#include <optional>

namespace orvex::platform {
namespace {

enum class ItemType : std::uint8_t { Main = 0, Global = 1, Local = 2, Reserved = 3 };

constexpr std::uint8_t kLongItemPrefix = 0xFE;
constexpr std::size_t kLongItemHeaderSize = 3;  // prefix, data size, long tag

constexpr std::uint8_t kMainCollection = 0x0A;
constexpr std::uint8_t kMainEndCollection = 0x0C;
constexpr std::uint8_t kGlobalUsagePage = 0x00;
constexpr std::uint8_t kGlobalPush = 0x0A;
constexpr std::uint8_t kGlobalPop = 0x0B;
constexpr std::uint8_t kLocalUsage = 0x00;

constexpr std::uint32_t kApplicationCollection = 0x01;

struct ShortItem {
    ItemType type;
    std::uint8_t tag;
    std::size_t dataSize;
    std::uint32_t data;
};

// The short item at `offset`, or nothing when its data runs past the end.
std::optional<ShortItem> ReadShortItem(std::span<const std::uint8_t> bytes, std::size_t offset) {
    static constexpr std::array<std::size_t, 4> kSizes{0, 1, 2, 4};
    const std::uint8_t prefix = bytes[offset];
    const std::size_t size = kSizes[prefix & 0x03u];
    if (size > bytes.size() - offset - 1) {
        return std::nullopt;
    }
    std::uint32_t data = 0;
    for (std::size_t i = 0; i < size; ++i) {
        data |= static_cast<std::uint32_t>(bytes[offset + 1 + i]) << (8 * i);
    }
    return ShortItem{static_cast<ItemType>((prefix >> 2) & 0x03u),
                     static_cast<std::uint8_t>(prefix >> 4), size, data};
}

// Total length of the long item at `offset`, or nothing when it runs past the end.
std::optional<std::size_t> LongItemLength(std::span<const std::uint8_t> bytes, std::size_t offset) {
    const std::size_t left = bytes.size() - offset;
    if (left < kLongItemHeaderSize) {
        return std::nullopt;
    }
    const std::size_t length = kLongItemHeaderSize + bytes[offset + 1];
    if (length > left) {
        return std::nullopt;
    }
    return length;
}

class DescriptorParser {
  public:
    // False when the item breaks the grammar and parsing has to stop.
    bool Apply(const ShortItem& item) {
        switch (item.type) {
            case ItemType::Main:
                return ApplyMain(item);
            case ItemType::Global:
                return ApplyGlobal(item);
            case ItemType::Local:
                ApplyLocal(item);
                return true;
            case ItemType::Reserved:
                return true;
        }
        return true;
    }

    std::vector<HidUsage> TakeUsages() { return std::move(usages_); }

  private:
    bool ApplyMain(const ShortItem& item) {
        bool ok = true;
        if (item.tag == kMainCollection) {
            if (depth_ == 0 && item.data == kApplicationCollection) {
                usages_.push_back(CollectionUsage());
            }
            ++depth_;
        } else if (item.tag == kMainEndCollection) {
            ok = depth_ > 0;
            if (ok) {
                --depth_;
            }
        }
        // Local items describe only the Main item that follows them.
        firstUsage_.reset();
        firstUsagePage_.reset();
        return ok;
    }

    bool ApplyGlobal(const ShortItem& item) {
        switch (item.tag) {
            case kGlobalUsagePage:
                usagePage_ = static_cast<std::uint16_t>(item.data);
                return true;
            case kGlobalPush:
                if (stackSize_ == stack_.size()) {
                    return false;
                }
                stack_[stackSize_++] = usagePage_;
                return true;
            case kGlobalPop:
                if (stackSize_ == 0) {
                    return false;
                }
                usagePage_ = stack_[--stackSize_];
                return true;
            default:
                return true;
        }
    }

    void ApplyLocal(const ShortItem& item) {
        // A collection is named by its first Usage; later ones are alternates.
        if (item.tag != kLocalUsage || firstUsage_) {
            return;
        }
        firstUsage_ = static_cast<std::uint16_t>(item.data & 0xFFFFu);
        if (item.dataSize == 4) {
            firstUsagePage_ = static_cast<std::uint16_t>(item.data >> 16);
        }
    }

    HidUsage CollectionUsage() const {
        return HidUsage{firstUsagePage_.value_or(usagePage_), firstUsage_.value_or(0)};
    }

    std::vector<HidUsage> usages_;
    std::size_t depth_ = 0;
    std::uint16_t usagePage_ = 0;
    std::array<std::uint16_t, kHidGlobalStackDepth> stack_{};
    std::size_t stackSize_ = 0;
    std::optional<std::uint16_t> firstUsage_;
    std::optional<std::uint16_t> firstUsagePage_;
};

}  // namespace

std::vector<HidUsage> ParseTopLevelUsages(std::span<const std::uint8_t> descriptor) {
    DescriptorParser parser;
    std::size_t offset = 0;
    while (offset < descriptor.size()) {
        if (descriptor[offset] == kLongItemPrefix) {
            // No long item tag is defined; they are skipped whole.
            const auto length = LongItemLength(descriptor, offset);
            if (!length) {
                break;
            }
            offset += *length;
            continue;
        }
        const auto item = ReadShortItem(descriptor, offset);
        if (!item || !parser.Apply(*item)) {
            break;
        }
        offset += 1 + item->dataSize;
    }
    return parser.TakeUsages();
}

}  // namespace orvex::platform
