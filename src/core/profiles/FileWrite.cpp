#include "core/profiles/FileWrite.h"

#include <cerrno>
#include <fstream>
#include <random>
#include <string_view>
#include <system_error>
#include <vector>

namespace orvex {
namespace {

constexpr std::string_view kHexDigits = "0123456789abcdef";
constexpr std::size_t kTemporaryTagLength = 8;
constexpr std::string_view kTemporaryExtension = ".tmp";

// A fresh name beside the target, "<target>.<8 hex digits>.tmp", so two saves of the same file
// never share a temporary file.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& target) {
    thread_local std::mt19937 generator{std::random_device{}()};
    std::string suffix = ".";
    for (std::size_t i = 0; i < kTemporaryTagLength; ++i) {
        suffix.push_back(kHexDigits[generator() % kHexDigits.size()]);
    }
    suffix += kTemporaryExtension;
    std::filesystem::path temporary = target;
    temporary += suffix;
    return temporary;
}

bool IsTemporaryNameOf(const std::string& name, const std::string& targetName) {
    const std::size_t expected =
        targetName.size() + 1 + kTemporaryTagLength + kTemporaryExtension.size();
    if (name.size() != expected || !name.starts_with(targetName) ||
        !name.ends_with(kTemporaryExtension) || name[targetName.size()] != '.') {
        return false;
    }
    const std::string_view tag =
        std::string_view(name).substr(targetName.size() + 1, kTemporaryTagLength);
    return tag.find_first_not_of(kHexDigits) == std::string_view::npos;
}

// Why the last file operation failed, as the system words it ("No space left on device",
// "Read-only file system", "Permission denied" ...). The streams leave errno as the system set it.
std::string LastSystemError() {
    const int error = errno;
    return error != 0 ? std::generic_category().message(error) : std::string("unknown error");
}

// Empty on success, else why the file could not be written.
std::string WriteWholeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    errno = 0;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return LastSystemError();
    }
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (out.fail()) {
        return LastSystemError();
    }
    out.close();
    return out.fail() ? LastSystemError() : std::string();
}

bool NamesFile(const std::filesystem::path& path) {
    const std::string text = path.generic_string();
    const auto lastDot = text.rfind('.');
    const auto lastSeparator = text.rfind('/');
    return lastDot != std::string::npos &&
           (lastSeparator == std::string::npos || lastDot > lastSeparator);
}

}  // namespace

FileWriteResult WriteFileAtomically(const std::filesystem::path& target,
                                    std::span<const std::uint8_t> bytes) {
    const std::filesystem::path temporary = TemporaryPathFor(target);
    std::error_code ignored;
    if (const std::string why = WriteWholeFile(temporary, bytes); !why.empty()) {
        std::filesystem::remove(temporary, ignored);
        return FileWriteResult::Failure("cannot write " + target.string() + ": " + why);
    }
    std::error_code renameError;
    std::filesystem::rename(temporary, target, renameError);
    if (renameError) {
        std::filesystem::remove(temporary, ignored);
        return FileWriteResult::Failure("cannot replace " + target.string() + ": " +
                                        renameError.message());
    }
    return FileWriteResult::Success();
}

void RemoveStaleTemporaryFiles(const std::filesystem::path& target, std::chrono::seconds age) {
    const std::string targetName = target.filename().string();
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    const auto cutoff = std::filesystem::file_time_type::clock::now() - age;
    std::error_code error;
    std::vector<std::filesystem::path> stale;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code statError;
        if (IsTemporaryNameOf(it->path().filename().string(), targetName) &&
            it->is_regular_file(statError) && it->last_write_time(statError) <= cutoff &&
            !statError) {
            stale.push_back(it->path());
        }
    }
    for (const auto& path : stale) {
        std::filesystem::remove(path, error);
    }
}

bool CreateFolderPath(const std::filesystem::path& path) {
    std::error_code error;
    if (path.empty() || std::filesystem::exists(path, error)) {
        return !path.empty();
    }
    const std::filesystem::path folder = NamesFile(path) ? path.parent_path() : path;
    if (folder.empty()) {
        return true;  // a bare file name lives in the current folder
    }
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

}  // namespace orvex
