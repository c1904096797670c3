#include "sim/VirtualMouseStateFile.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <system_error>
#include <vector>

#include "sim/VirtualMouseStateText.h"

namespace orvex::sim {
namespace {

std::string Describe(const std::filesystem::path& path, const std::string& what) {
    return path.string() + ": " + what;
}

// Unique per writer, so two processes saving at once never share a temporary file.
std::filesystem::path TemporaryPathBeside(const std::filesystem::path& target) {
    std::random_device random;
    const auto tag = (static_cast<unsigned long long>(random()) << 32) | random();
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".tmp-%016llx", tag);
    return target.parent_path() / ("." + target.filename().string() + suffix);
}

}  // namespace

StateLoadResult LoadMouseState(const std::filesystem::path& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return {StateLoadOutcome::Missing, {}, {}};
    }
    if (error || status.type() != std::filesystem::file_type::regular) {
        return {StateLoadOutcome::Rejected, {}, Describe(path, "not a readable file")};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {StateLoadOutcome::Rejected, {}, Describe(path, "cannot open")};
    }
    // One byte past the limit tells a file at the limit from a larger one without reading it all.
    std::vector<char> buffer(kMaxStateTextSize + 1);
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    if (in.bad()) {
        return {StateLoadOutcome::Rejected, {}, Describe(path, "read error")};
    }
    const auto length = static_cast<std::size_t>(in.gcount());
    StateParseResult parsed = ParseMouseState(std::string_view(buffer.data(), length));
    if (!parsed.state) {
        return {StateLoadOutcome::Rejected, {}, Describe(path, parsed.error)};
    }
    return {StateLoadOutcome::Loaded, *parsed.state, {}};
}

StateSaveResult SaveMouseState(const std::filesystem::path& path, const VirtualMouseState& state) {
    const std::string text = FormatMouseState(state);
    const std::filesystem::path temporary = TemporaryPathBeside(path);
    std::error_code ignored;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return {false, Describe(temporary, "cannot create")};
        }
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            out.close();
            std::filesystem::remove(temporary, ignored);
            return {false, Describe(temporary, "write error")};
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, ignored);
        return {false, Describe(path, "cannot replace: " + error.message())};
    }
    return {true, {}};
}

}  // namespace orvex::sim
