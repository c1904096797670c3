#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace orvex {

// Outcome of writing a file; `error` says what went wrong, for a message or a log.
struct FileWriteResult {
    bool ok = false;
    std::string error;

    explicit operator bool() const { return ok; }
    static FileWriteResult Success() { return {true, {}}; }
    static FileWriteResult Failure(std::string why) { return {false, std::move(why)}; }
};

// Writes a file so that it is either wholly replaced or not touched: the bytes go to a temporary
// file in the target's folder, which is flushed, closed and renamed over the target. On failure
// the temporary file is removed and the old target stays as it was.
FileWriteResult WriteFileAtomically(const std::filesystem::path& target,
                                    std::span<const std::uint8_t> bytes);

// Removes what interrupted saves of the target left beside it: the temporary files of
// WriteFileAtomically's naming whose last write is at least `age` old. A younger one may belong to
// a save still running in another process (orvexctl and the window both write the slot files), and
// removing it would make that save fail; loaders never read temporary files, so waiting is safe.
void RemoveStaleTemporaryFiles(const std::filesystem::path& target,
                               std::chrono::seconds age = std::chrono::minutes(1));

// Makes sure a folder exists, creating every missing folder on the way, outermost first. A path
// whose last "." comes after its last separator names a file, and its folder is created. True
// when the folder exists afterwards.
bool CreateFolderPath(const std::filesystem::path& path);

}  // namespace orvex
