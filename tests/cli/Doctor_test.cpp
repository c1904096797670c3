// orvexctl doctor against fake system trees: sysfs, /dev, udev's database, logind's state and the
// rules folders below a temporary root, and an injected open() result.
#include "cli/Doctor.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <map>

#include "cli/OrvexctlRunner.h"

namespace orvex {
namespace {

using cli::CheckStatus;
using cli::DoctorReport;
using testing::TempFolder;
using testing::WriteTextFile;

// The report descriptor's opening bytes: a mouse collection (usage page 1, usage 2) and the
// vendor collection (usage page 0xFF01, usage 2).
const std::string kPointerDescriptor = std::string("\x05\x01\x09\x02\xa1\x01\xc0", 7);
const std::string kCommandDescriptor = std::string("\x06\x01\xff\x09\x02\xa1\x01\xc0", 8);

constexpr uid_t kUser = 4242;

class DoctorTest : public ::testing::Test {
  protected:
    std::filesystem::path Root() const { return temp.path(); }

    void Write(const std::string& relative, const std::string& text) const {
        const auto path = Root() / relative;
        std::filesystem::create_directories(path.parent_path());
        WriteTextFile(path, text);
    }

    // A hidraw node of a device with the given ids and report descriptor.
    void AddNode(int number, const std::string& ids, const std::string& descriptor) const {
        const std::string name = "hidraw" + std::to_string(number);
        const std::string folder = "sys/class/hidraw/" + name;
        Write(folder + "/device/uevent", "DRIVER=hid-generic\nHID_ID=" + ids + "\nHID_NAME=x\n");
        Write(folder + "/device/report_descriptor", descriptor);
        Write(folder + "/dev", "244:" + std::to_string(number) + "\n");
        Write("dev/" + name, "");
    }

    void AddMouse() const {
        AddNode(0, "0003:00002A3C:00003B19", kPointerDescriptor);
        AddNode(1, "0003:00002A3C:00003B19", kCommandDescriptor);
    }

    void InstallRule() const {
        Write("usr/lib/udev/rules.d/70-orvex-sk.rules",
              "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"2a3c\", ATTRS{idProduct}==\"3b19\", "
              "TAG+=\"uaccess\"\n");
    }

    void TagUaccess(int number) const {
        Write("run/udev/data/c244:" + std::to_string(number), "E:ID_X=1\nG:seat\nG:uaccess\n");
    }

    void AddSession(const std::string& state) const {
        Write("run/systemd/seats/seat0", "IS_SEAT0=1\n");
        Write("run/systemd/sessions/2", "UID=" + std::to_string(kUser) + "\n" + state);
    }

    DoctorReport Run() const {
        cli::DoctorSystem system{Root(), {kUser, "tester", {kUser}}, {}};
        system.openNode = [this](const std::filesystem::path& node) {
            const auto found = openErrors.find(node.filename().string());
            return found == openErrors.end() ? 0 : found->second;
        };
        return cli::RunDoctor(system);
    }

    static const cli::DoctorCheck& Check(const DoctorReport& report, const std::string& name) {
        for (const auto& check : report.checks) {
            if (check.name == name) {
                return check;
            }
        }
        throw std::runtime_error("no check " + name);
    }

    static std::vector<CheckStatus> Statuses(const DoctorReport& report) {
        std::vector<CheckStatus> statuses;
        for (const auto& check : report.checks) {
            statuses.push_back(check.status);
        }
        return statuses;
    }

    TempFolder temp;
    std::map<std::string, int> openErrors;  // node name -> errno of opening it
};

constexpr auto kOk = CheckStatus::Ok;
constexpr auto kProblem = CheckStatus::Problem;
constexpr auto kSkipped = CheckStatus::Skipped;

TEST_F(DoctorTest, UsableMouseIsAllOkAndNamesItsCommandNode) {
    AddNode(0, "0003:0000046D:0000C077", kPointerDescriptor);  // another make's mouse
    AddNode(1, "0003:00002A3C:00003B19", kPointerDescriptor);
    AddNode(2, "0003:00002A3C:00003B19", kCommandDescriptor);
    InstallRule();
    const DoctorReport report = Run();
    EXPECT_EQ(Statuses(report), (std::vector{kOk, kOk, kOk, kOk, kOk}));
    EXPECT_EQ(report.ExitCode(), 0);
    EXPECT_EQ(report.node, "/dev/hidraw2");
    EXPECT_NE(Check(report, "mouse").finding.find("hidraw1, hidraw2"), std::string::npos);
    EXPECT_EQ(Check(report, "udevRule").finding,
              "/usr/lib/udev/rules.d/70-orvex-sk.rules names the mouse");
}

TEST_F(DoctorTest, AbsentMouseExitsTwo) {
    AddNode(0, "0003:0000046D:0000C077", kCommandDescriptor);
    const DoctorReport report = Run();
    EXPECT_EQ(Statuses(report), (std::vector{kOk, kProblem, kSkipped, kSkipped, kProblem}));
    EXPECT_EQ(report.ExitCode(), 2);
    EXPECT_FALSE(report.node);
}

TEST_F(DoctorTest, KernelWithoutHidrawExitsTwo) {
    InstallRule();
    const DoctorReport report = Run();
    EXPECT_EQ(Statuses(report), (std::vector{kProblem, kSkipped, kSkipped, kSkipped, kOk}));
    EXPECT_EQ(report.ExitCode(), 2);
    EXPECT_NE(Check(report, "hidraw").fix.find("CONFIG_HIDRAW"), std::string::npos);
}

TEST_F(DoctorTest, DescriptorWithoutTheVendorCollectionExitsOne) {
    AddNode(0, "0003:00002A3C:00003B19", kPointerDescriptor);
    AddNode(1, "0003:00002A3C:00003B19", "\x06\x01");  // cut off: no collection at all
    InstallRule();
    const DoctorReport report = Run();
    EXPECT_EQ(Statuses(report), (std::vector{kOk, kOk, kProblem, kSkipped, kOk}));
    EXPECT_EQ(report.ExitCode(), 1);
}

TEST_F(DoctorTest, MissingRuleIsAProblemButTheMouseStaysUsable) {
    AddMouse();
    const DoctorReport report = Run();
    EXPECT_EQ(Check(report, "udevRule").status, kProblem);
    EXPECT_NE(Check(report, "udevRule").fix.find("/etc/udev/rules.d/"), std::string::npos);
    EXPECT_EQ(report.ExitCode(), 0);
}

// Why a node does not open, from what udev, logind and the node's ACL say.
TEST_F(DoctorTest, NoAccessSaysWhy) {
    const struct {
        const char* name;
        bool tagged;
        const char* session;  // null: no logind at all
        int error;
        const char* reason;
        const char* fixMentions;
    } cases[] = {
        {"untagged", false, "ACTIVE=1\nREMOTE=0\nSEAT=seat0\n", EACCES, "noUaccessTag",
         "udevadm trigger"},
        {"no logind", true, nullptr, EACCES, "noLogind", "group"},
        {"remote session", true, "ACTIVE=1\nREMOTE=1\n", EACCES, "noActiveSession", "group"},
        {"inactive session", true, "ACTIVE=0\nREMOTE=0\nSEAT=seat0\n", EPERM, "noActiveSession",
         "desktop session"},
        {"no ACL yet", true, "ACTIVE=1\nREMOTE=0\nSEAT=seat0\n", EACCES, "noAcl", "replug"},
        {"no node", true, "ACTIVE=1\nREMOTE=0\nSEAT=seat0\n", ENOENT, "noDeviceNode", "devtmpfs"},
        {"other error", true, "ACTIVE=1\nREMOTE=0\nSEAT=seat0\n", EIO, "openFailed", "dmesg"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(Root() / "run");
        AddMouse();
        InstallRule();
        if (c.tagged) {
            TagUaccess(1);
        }
        if (c.session) {
            AddSession(c.session);
        }
        openErrors = {{"hidraw1", c.error}};
        const DoctorReport report = Run();
        const cli::DoctorCheck& access = Check(report, "access");
        EXPECT_EQ(access.status, kProblem);
        EXPECT_EQ(access.reasons, std::vector<std::string>{c.reason});
        EXPECT_NE(access.fix.find(c.fixMentions), std::string::npos) << access.fix;
        EXPECT_NE(access.finding.find("/dev/hidraw1"), std::string::npos) << access.finding;
        EXPECT_EQ(report.ExitCode(), 1);
    }
}

TEST_F(DoctorTest, NodeOpenToAGroupTheUserIsNotInSaysJoinIt) {
    AddMouse();
    const auto node = Root() / "dev" / "hidraw1";
    constexpr gid_t kGroup = 4343;
    if (::chown(node.c_str(), static_cast<uid_t>(-1), kGroup) != 0) {
        GTEST_SKIP() << "changing a file's group needs root";
    }
    std::filesystem::permissions(node, std::filesystem::perms(0660));
    openErrors = {{"hidraw1", EACCES}};
    const cli::DoctorCheck access = Check(Run(), "access");
    ASSERT_FALSE(access.reasons.empty());
    EXPECT_EQ(access.reasons.front(), "notInGroup");
    EXPECT_NE(access.fix.find("usermod -aG 4343 tester"), std::string::npos) << access.fix;
    EXPECT_NE(access.finding.find("4343 0660"), std::string::npos) << access.finding;
}

}  // namespace
}  // namespace orvex
