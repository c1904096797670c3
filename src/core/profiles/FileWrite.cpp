#include "core/profiles/FileWrite.h"

#include <cerrno>
#include <fstream>
#include <random>
#include <system_error>

namespace orvex {
namespace {

// A fresh name beside the target, so two saves of the same file never share a temporary file.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& target) {
    thread_local std::mt19937 generator{std::random_device{}()};
    static constexpr char kHex[] = "0123456789abcdef";
    std::string suffix = ".";
    for (int i = 0; i < 8; ++i) {
        suffix.push_back(kHex[generator() % 16]);
    }
    suffix += ".tmp";
    std::filesystem::path temporary = target;
    temporary += suffix;
    return temporary;
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
