#include "platform/linux/SysfsReportDescriptor.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace orvex::platform {
namespace {

class SysfsReportDescriptorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ =
            std::filesystem::temp_directory_path() / ("orvex-sysfs-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::filesystem::path Write(const std::vector<std::uint8_t>& bytes) {
        const auto file = dir_ / "report_descriptor";
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return file;
    }

    std::filesystem::path dir_;
};

TEST_F(SysfsReportDescriptorTest, ReadsTheAttributeBytesIncludingZeros) {
    const std::vector<std::uint8_t> bytes = {0x06, 0x01, 0xFF, 0x09, 0x02, 0xA1, 0x01,
                                             0x15, 0x00, 0x26, 0xFF, 0x00, 0xC0};
    EXPECT_EQ(ReadSysfsReportDescriptor(Write(bytes)), bytes);
}

TEST_F(SysfsReportDescriptorTest, ReadsNoMoreThanADescriptorCanHold) {
    const auto read = ReadSysfsReportDescriptor(Write(std::vector<std::uint8_t>(10000, 0xC0)));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->size(), 4096u);
}

TEST_F(SysfsReportDescriptorTest, MissingAttributeGivesNothing) {
    EXPECT_FALSE(ReadSysfsReportDescriptor(dir_ / "absent"));
}

}  // namespace
}  // namespace orvex::platform
