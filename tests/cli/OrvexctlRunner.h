#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvex::testing {

struct CommandOutput {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built orvexctl with the given arguments and collects what it printed. The program runs
// without ORVEX_DEBUG unless `environment` ("NAME=VALUE" entries) sets it.
CommandOutput RunOrvexctlBinary(const std::vector<std::string>& arguments,
                                const std::vector<std::string>& environment = {});

// A fresh folder under the system's temporary folder, removed with the object.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

std::string ReadBinaryFile(const std::filesystem::path& path);
void WriteTextFile(const std::filesystem::path& path, const std::string& text);

}  // namespace orvex::testing
