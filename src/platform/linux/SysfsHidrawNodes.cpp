#include "platform/linux/SysfsHidrawNodes.h"

#include <algorithm>
#include <system_error>

#include "platform/linux/ReportDescriptor.h"
#include "platform/linux/SmallTextFile.h"
#include "platform/linux/SysfsReportDescriptor.h"

namespace orvex::platform {
namespace {

// More nodes than this is no machine's hardware; the rest are not looked at.
constexpr std::size_t kMaxNodes = 512;

std::string Trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

SysfsHidrawNode DescribeNode(const std::filesystem::path& folder) {
    SysfsHidrawNode node;
    node.name = folder.filename().string();
    if (const auto uevent = ReadSmallTextFile(folder / "device" / "uevent")) {
        if (const auto hidId = KeyValue(*uevent, "HID_ID")) {
            node.ids = ParseHidId(*hidId);
        }
    }
    if (const auto descriptor =
            ReadSysfsReportDescriptor(folder / "device" / "report_descriptor")) {
        node.usages = ParseTopLevelUsages(*descriptor);
    }
    if (const auto number = ReadSmallTextFile(folder / "dev", 32)) {
        node.deviceNumber = Trimmed(*number);
    }
    return node;
}

}  // namespace

std::filesystem::path HidrawClassFolder(const std::filesystem::path& root) {
    return root / "sys" / "class" / "hidraw";
}

std::vector<SysfsHidrawNode> ListSysfsHidrawNodes(const std::filesystem::path& root) {
    std::vector<std::filesystem::path> folders;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(HidrawClassFolder(root), error), end;
         !error && entry != end && folders.size() < kMaxNodes; entry.increment(error)) {
        if (entry->path().filename().string().starts_with("hidraw")) {
            folders.push_back(entry->path());
        }
    }
    std::sort(folders.begin(), folders.end());
    std::vector<SysfsHidrawNode> nodes;
    for (const auto& folder : folders) {
        nodes.push_back(DescribeNode(folder));
    }
    return nodes;
}

}  // namespace orvex::platform
