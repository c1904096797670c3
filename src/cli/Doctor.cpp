#include "cli/Doctor.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "core/device/MouseIdentity.h"
#include "platform/linux/LogindSessions.h"
#include "platform/linux/SysfsHidrawNodes.h"
#include "platform/linux/UdevFacts.h"

namespace orvex::cli {
namespace {

using platform::SysfsHidrawNode;

const char* const kReloadAndReplug =
    "sudo udevadm control --reload && sudo udevadm trigger, then replug the mouse";

DoctorCheck Ok(std::string name, std::string finding) {
    return {std::move(name), CheckStatus::Ok, std::move(finding), {}, {}};
}

DoctorCheck Problem(std::string name, std::string finding, std::string fix,
                    std::vector<std::string> reasons = {}) {
    return {std::move(name), CheckStatus::Problem, std::move(finding), std::move(fix),
            std::move(reasons)};
}

DoctorCheck Skipped(std::string name, std::string why) {
    return {std::move(name), CheckStatus::Skipped, std::move(why), {}, {}};
}

bool IsMouse(const SysfsHidrawNode& node) {
    return node.ids && node.ids->vendorId == kOrvexVendorId &&
           node.ids->productId == kOrvexProductId;
}

bool HasCommandCollection(const SysfsHidrawNode& node) {
    return node.usages && std::find(node.usages->begin(), node.usages->end(),
                                    kOrvexCommandCollection) != node.usages->end();
}

std::string NodeNames(const std::vector<SysfsHidrawNode>& nodes) {
    std::string names;
    for (const auto& node : nodes) {
        names += (names.empty() ? "" : ", ") + node.name;
    }
    return names;
}

std::string ModeText(mode_t mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode));
    return text;
}

template <typename T>
bool Contains(const std::vector<T>& items, const T& item) {
    return std::find(items.begin(), items.end(), item) != items.end();
}

// Why the user may not open the node, most specific first, with what to do about the first.
struct AccessExplanation {
    std::vector<std::string> reasons;
    std::vector<std::string> clauses;
    std::string fix;

    void Add(std::string reason, std::string clause, std::string remedy) {
        reasons.push_back(std::move(reason));
        clauses.push_back(std::move(clause));
        if (fix.empty()) {
            fix = std::move(remedy);
        }
    }
};

// A node the administrator opened to a group: the group route is the user's set-up.
void ExplainGroup(const DoctorSystem& system, const platform::NodeOwnership& ownership,
                  AccessExplanation& why) {
    const bool groupMayOpen = (ownership.mode & 060) == 060 && ownership.group != 0;
    if (!groupMayOpen || Contains(system.user.groups, ownership.group)) {
        return;
    }
    if (platform::GroupListsUser(ownership.group, system.user.name)) {
        why.Add("groupNotYetActive",
                "you joined group " + ownership.groupName + ", which may open it, after logging in",
                "log out and in again");
    } else {
        why.Add("notInGroup", "you are not in group " + ownership.groupName + ", which may open it",
                "sudo usermod -aG " + ownership.groupName + " " + system.user.name +
                    ", then log out and in again");
    }
}

void ExplainUaccess(const DoctorSystem& system, const SysfsHidrawNode& node,
                    const std::filesystem::path& devicePath, AccessExplanation& why) {
    const std::vector<std::string> tags = platform::UdevDeviceTags(system.root, node.deviceNumber);
    if (!Contains(tags, std::string("uaccess"))) {
        why.Add(
            "noUaccessTag", "udev has not tagged it uaccess (no rule for it, or not applied)",
            std::string("install the udev rule (see the udevRule line), then ") + kReloadAndReplug);
        return;
    }
    const platform::LogindFacts logind = platform::ReadLogindFacts(system.root, system.user.uid);
    const char* groupRoute = "give a group access instead (README, Troubleshooting)";
    if (!logind.logindRuns) {
        why.Add("noLogind", "no systemd-logind runs here, so uaccess gives nobody access",
                groupRoute);
    } else if (!logind.activeLocalSession) {
        why.Add("noActiveSession",
                "you have no active session at the machine (uaccess follows the user at the "
                "machine, not SSH or remote logins; loginctl lists sessions)",
                std::string("run it from the desktop session at the machine, or ") + groupRoute);
    } else if (!Contains(platform::AclUsers(devicePath), system.user.uid)) {
        why.Add("noAcl", "its access list (getfacl) does not name you yet",
                "sudo udevadm trigger --subsystem-match=hidraw, then replug the mouse");
    }
}

DoctorCheck CheckAccess(const DoctorSystem& system, const SysfsHidrawNode& node) {
    const std::string shown = "/dev/" + node.name;
    const std::filesystem::path devicePath = system.root / "dev" / node.name;
    const int error = system.openNode(devicePath);
    if (error == 0) {
        return Ok("access", "you can open " + shown + " for reading and writing");
    }
    std::string finding = "you cannot open " + shown + " (" + std::strerror(error);
    if (error == ENOENT) {
        return Problem(
            "access", finding + "): there is no such device node",
            "/dev must be the kernel's devtmpfs; in a container, pass the host's " + shown + " in",
            {"noDeviceNode"});
    }
    if (error != EACCES && error != EPERM) {
        return Problem("access", finding + ")",
                       "replug the mouse; if that does not help, see sudo dmesg", {"openFailed"});
    }
    AccessExplanation why;
    const auto ownership = platform::ReadNodeOwnership(devicePath);
    if (ownership) {
        finding += "; it is " + ownership->groupName + " " + ModeText(ownership->mode);
        ExplainGroup(system, *ownership, why);
    }
    ExplainUaccess(system, node, devicePath, why);
    finding += ")";
    for (std::size_t i = 0; i < why.clauses.size(); ++i) {
        finding += (i == 0 ? ": " : "; ") + why.clauses[i];
    }
    return Problem("access", finding, why.fix, why.reasons);
}

DoctorCheck CheckHidraw(bool present) {
    if (!present) {
        return Problem("hidraw", "there is no /sys/class/hidraw: the kernel has no hidraw support",
                       "use a kernel built with CONFIG_HIDRAW (distribution kernels are); in a "
                       "container, run orvexctl on the host");
    }
    return Ok("hidraw", "the kernel has hidraw support (/sys/class/hidraw)");
}

std::vector<SysfsHidrawNode> MouseNodes(const std::filesystem::path& root) {
    std::vector<SysfsHidrawNode> mouseNodes;
    for (auto& node : platform::ListSysfsHidrawNodes(root)) {
        if (IsMouse(node)) {
            mouseNodes.push_back(std::move(node));
        }
    }
    return mouseNodes;
}

DoctorCheck CheckMouse(bool hidraw, const std::vector<SysfsHidrawNode>& mouseNodes) {
    if (!hidraw) {
        return Skipped("mouse", "no hidraw nodes to look through");
    }
    if (mouseNodes.empty()) {
        return Problem("mouse", "no hidraw node has the ORVEX SK's ids 2A3C:3B19",
                       "plug the mouse in directly (not through a KVM switch); lsusb | grep -i "
                       "2a3c shows whether the system sees it at all");
    }
    return Ok("mouse", NodeNames(mouseNodes) + " carry the ORVEX SK's ids 2A3C:3B19");
}

DoctorCheck CheckCollection(const std::vector<SysfsHidrawNode>& mouseNodes,
                            const SysfsHidrawNode* command) {
    if (mouseNodes.empty()) {
        return Skipped("collection", "no node of the mouse");
    }
    if (command == nullptr) {
        return Problem("collection",
                       "no node of the mouse (" + NodeNames(mouseNodes) +
                           ") has the vendor collection (usage page 0xFF01, usage 2) in its "
                           "report descriptor",
                       "this firmware presents another interface, which the program cannot "
                       "configure");
    }
    return Ok("collection",
              "/dev/" + command->name + " has the vendor collection (usage page 0xFF01, usage 2)");
}

DoctorCheck CheckUdevRule(const DoctorSystem& system) {
    const auto rules = platform::UdevRulesNamingMouse(system.root);
    if (rules.empty()) {
        return Problem("udevRule",
                       "no udev rule names the mouse in /etc/udev/rules.d, /run/udev/rules.d, "
                       "/usr/local/lib/udev/rules.d, /usr/lib/udev/rules.d or /lib/udev/rules.d",
                       std::string("install the package, or: sudo install -m 644 "
                                   "udev/70-orvex-sk.rules /etc/udev/rules.d/, then ") +
                           kReloadAndReplug);
    }
    // Shown as the system sees it, without the root the doctor looked below.
    const std::string shown = "/" + rules.front().lexically_relative(system.root).string();
    return Ok("udevRule", shown + " names the mouse");
}

}  // namespace

DoctorSystem RealDoctorSystem(std::filesystem::path root) {
    return {std::move(root), platform::CurrentUser(), platform::OpenReadWriteError};
}

int DoctorReport::ExitCode() const {
    if (mouseUsable) {
        return 0;
    }
    return mousePresent ? 1 : 2;
}

DoctorReport RunDoctor(const DoctorSystem& system) {
    DoctorReport report;
    std::error_code error;
    const bool hidraw =
        std::filesystem::is_directory(platform::HidrawClassFolder(system.root), error);
    report.checks.push_back(CheckHidraw(hidraw));
    const std::vector<SysfsHidrawNode> mouseNodes =
        hidraw ? MouseNodes(system.root) : std::vector<SysfsHidrawNode>{};
    report.mousePresent = !mouseNodes.empty();
    report.checks.push_back(CheckMouse(hidraw, mouseNodes));

    const auto command = std::find_if(mouseNodes.begin(), mouseNodes.end(), HasCommandCollection);
    const SysfsHidrawNode* commandNode = command == mouseNodes.end() ? nullptr : &*command;
    report.checks.push_back(CheckCollection(mouseNodes, commandNode));
    if (commandNode != nullptr) {
        report.node = "/dev/" + commandNode->name;
        report.checks.push_back(CheckAccess(system, *commandNode));
        report.mouseUsable = report.checks.back().status == CheckStatus::Ok;
    } else {
        report.checks.push_back(Skipped("access", mouseNodes.empty()
                                                      ? "no node of the mouse"
                                                      : "no node with the vendor collection"));
    }
    report.checks.push_back(CheckUdevRule(system));
    return report;
}

}  // namespace orvex::cli
