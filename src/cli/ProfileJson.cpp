#include "cli/ProfileJson.h"

#include <array>
#include <concepts>
#include <functional>
#include <limits>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "cli/ExitCode.h"
#include "core/profiles/ProfileFields.h"
#include "core/text/Utf.h"

namespace orvex::cli {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

[[noreturn]] void Fail(const std::string& key, const std::string& problem) {
    throw CliError(ExitCode::UsageOrInput, "JSON key '" + key + "': " + problem);
}

template <typename T>
T ReadInteger(const json& value, const std::string& key) {
    if (!value.is_number_integer()) {
        Fail(key, "expected an integer");
    }
    constexpr long long kMin = std::numeric_limits<T>::min();
    constexpr long long kMax = std::numeric_limits<T>::max();
    // Integers beyond long long's range arrive as unsigned and are out of every field's range.
    const bool inRange =
        !(value.is_number_unsigned() &&
          value.get<unsigned long long>() > static_cast<unsigned long long>(kMax)) &&
        value.get<long long>() >= kMin && value.get<long long>() <= kMax;
    if (!inRange) {
        Fail(key,
             value.dump() + " is outside " + std::to_string(kMin) + ".." + std::to_string(kMax));
    }
    return static_cast<T>(value.get<long long>());
}

std::u16string ReadString(const json& value, const std::string& key) {
    if (!value.is_string()) {
        Fail(key, "expected a string");
    }
    return FromUtf8(value.get<std::string>());
}

const json& RequireArray(const json& value, const std::string& key, std::size_t size) {
    if (!value.is_array()) {
        Fail(key, "expected an array");
    }
    if (size != 0 && value.size() != size) {
        Fail(key, "expected " + std::to_string(size) + " entries, found " +
                      std::to_string(value.size()));
    }
    return value;
}

const json& RequireObject(const json& value, const std::string& key) {
    if (!value.is_object()) {
        Fail(key, "expected an object");
    }
    return value;
}

using Reader = std::function<void(const json&, const std::string&)>;

// Readers for the members of one JSON object by key, each storing into the field it was made for.
using Readers = std::map<std::string, Reader, std::less<>>;

// Calls the reader of every member of `object`; a member without a reader is an unknown key.
void ReadMembers(const json& object, const std::string& prefix, const Readers& readers) {
    for (const auto& [name, value] : object.items()) {
        const std::string key = prefix.empty() ? name : prefix + "." + name;
        const auto reader = readers.find(name);
        if (reader == readers.end()) {
            Fail(key, "unknown key");
        }
        reader->second(value, key);
    }
}

template <typename T>
Reader IntegerInto(T& field) {
    return
        [&field](const json& value, const std::string& key) { field = ReadInteger<T>(value, key); };
}

// orvexctl writes a resolution step as the pair [x, y] rather than as an object.
template <typename Item>
constexpr bool kWrittenAsPair = MaybeConst<Item, ResolutionStep>;

template <typename Item>
ordered_json ItemToJson(const Item& item);

// Puts every field it visits into one JSON object, under the field's key.
class JsonWriter {
  public:
    explicit JsonWriter(ordered_json& object) : object_(object) {}

    void operator()(std::string_view key, const std::u16string& text) { Put(key, ToUtf8(text)); }

    template <std::integral T>
    void operator()(std::string_view key, T value) {
        Put(key, value);
    }

    void operator()(std::string_view key, SignExtendedByte<const std::uint8_t> field) {
        Put(key, field.value);
    }

    template <typename Numbers>
    void operator()(std::string_view key, NumberTexts<Numbers> field) {
        Put(key, field.values);
    }

    template <typename Item, std::size_t N>
    void operator()(std::string_view key, const std::array<Item, N>& items) {
        PutList(key, items);
    }

    template <typename Item>
    void operator()(std::string_view key, const std::vector<Item>& items) {
        PutList(key, items);
    }

  private:
    template <typename Items>
    void PutList(std::string_view key, const Items& items) {
        ordered_json list = ordered_json::array();
        for (const auto& item : items) {
            list.push_back(ItemToJson(item));
        }
        Put(key, std::move(list));
    }

    void Put(std::string_view key, ordered_json value) {
        object_[std::string(key)] = std::move(value);
    }

    ordered_json& object_;
};

template <typename Item>
ordered_json ItemToJson(const Item& item) {
    ordered_json object = ordered_json::object();
    VisitItemFields(item, JsonWriter(object));
    if constexpr (kWrittenAsPair<Item>) {
        ordered_json pair = ordered_json::array();
        for (const auto& value : object) {
            pair.push_back(value);
        }
        return pair;
    }
    return object;
}

template <typename Item>
void ReadItem(const json& value, const std::string& key, std::size_t position, Item& item);

// Makes a reader for every field it visits.
class ReaderMaker {
  public:
    explicit ReaderMaker(Readers& readers) : readers_(readers) {}

    void operator()(std::string_view key, std::u16string& text) {
        Add(key, [&text](const json& v, const std::string& k) { text = ReadString(v, k); });
    }

    template <std::integral T>
    void operator()(std::string_view key, T& field) {
        Add(key, IntegerInto(field));
    }

    void operator()(std::string_view key, SignExtendedByte<std::uint8_t> field) {
        Add(key, IntegerInto(field.value));
    }

    template <typename Number, std::size_t N>
    void operator()(std::string_view key, NumberTexts<std::array<Number, N>> field) {
        Add(key, [&numbers = field.values](const json& v, const std::string& k) {
            RequireArray(v, k, N);
            for (std::size_t i = 0; i < N; ++i) {
                numbers[i] = ReadInteger<Number>(v[i], ItemKey(k, i));
            }
        });
    }

    template <typename Item, std::size_t N>
    void operator()(std::string_view key, std::array<Item, N>& items) {
        Add(key, [&items](const json& v, const std::string& k) {
            RequireArray(v, k, N);
            for (std::size_t i = 0; i < N; ++i) {
                ReadItem(v[i], ItemKey(k, i), i, items[i]);
            }
        });
    }

    template <typename Item>
    void operator()(std::string_view key, std::vector<Item>& items) {
        Add(key, [&items](const json& v, const std::string& k) {
            RequireArray(v, k, 0);
            items.clear();
            for (std::size_t i = 0; i < v.size(); ++i) {
                Item item;
                ReadItem(v[i], ItemKey(k, i), i, item);
                items.push_back(item);
            }
        });
    }

  private:
    static std::string ItemKey(const std::string& key, std::size_t index) {
        return key + "[" + std::to_string(index) + "]";
    }

    void Add(std::string_view key, Reader reader) {
        readers_.emplace(std::string(key), std::move(reader));
    }

    Readers& readers_;
};

// What an item must satisfy beyond its fields' ranges: a binding names its own position.
template <typename Item>
void CheckItem(const std::string&, std::size_t, const Item&) {}

void CheckItem(const std::string& key, std::size_t position, const ButtonBinding& binding) {
    if (binding.button != position) {
        Fail(key + ".button", "must be " + std::to_string(position) + ", its position");
    }
}

template <typename Item>
void ReadItem(const json& value, const std::string& key, std::size_t position, Item& item) {
    if constexpr (kWrittenAsPair<Item>) {
        std::size_t fieldCount = 0;
        VisitItemFields(item, [&](std::string_view, auto&) { ++fieldCount; });
        const json& values = RequireArray(value, key, fieldCount);
        std::size_t next = 0;
        VisitItemFields(item, [&](std::string_view, auto& field) {
            field = ReadInteger<std::remove_reference_t<decltype(field)>>(values[next++], key);
        });
    } else {
        Readers readers;
        VisitItemFields(item, ReaderMaker(readers));
        ReadMembers(RequireObject(value, key), key, readers);
        CheckItem(key, position, item);
    }
}

}  // namespace

ordered_json ProfileToJson(const ProfileRecord& record) {
    ordered_json object = ordered_json::object();
    VisitProfileFields(record, JsonWriter(object));
    return object;
}

ProfileRecord ProfileFromJson(const json& document) {
    ProfileRecord record = MakeDefaultProfile();
    Readers readers;
    VisitProfileFields(record, ReaderMaker(readers));
    ReadMembers(RequireObject(document, "(document)"), "", readers);
    return record;
}

}  // namespace orvex::cli
