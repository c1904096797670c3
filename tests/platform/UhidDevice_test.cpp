#include "platform/linux/UhidDevice.h"

#include <gtest/gtest.h>
#include <linux/uhid.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace orvex::platform {
namespace {

constexpr std::size_t kHeaderSize = offsetof(uhid_event, u);

// Stands in for the firmware model: records what reached it and answers with a pattern.
class RecordingFirmware final : public HidDevice {
  public:
    HidError SetFeature(std::span<const std::uint8_t> report) override {
        sets.emplace_back(report.begin(), report.end());
        return result;
    }

    HidError GetFeature(std::span<std::uint8_t> report) override {
        gets.emplace_back(report.begin(), report.end());
        for (std::size_t i = 1; i < report.size(); ++i) {
            report[i] = static_cast<std::uint8_t>(i);
        }
        return result;
    }

    HidError result = HidError::None;
    std::vector<std::vector<std::uint8_t>> sets;
    std::vector<std::vector<std::uint8_t>> gets;
};

UhidDeviceIdentity VirtualMouseIdentity() {
    UhidDeviceIdentity identity;
    identity.name = "ORVEX SK Virtual Mouse";
    identity.vendorId = 0x2A3C;
    identity.productId = 0x3B19;
    identity.reportDescriptor = {0x06, 0x01, 0xFF, 0x09, 0x02, 0xA1, 0x01, 0xC0};
    identity.featureReports = {{0x60, 64}, {0x61, 1041}};
    return identity;
}

// The test plays the kernel on one end of a packet socket pair; the device owns the other end.
class UhidDeviceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        int fds[2];
        ASSERT_EQ(::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, fds), 0);
        kernel_ = UniqueFd(fds[0]);
        std::string error;
        device_ = UhidDevice::CreateOn(UniqueFd(fds[1]), VirtualMouseIdentity(), firmware_, error);
        ASSERT_NE(device_, nullptr) << error;
        device_->SetLog([this](std::string_view line) { log_.emplace_back(line); });
        created_ = Receive();
    }

    std::unique_ptr<uhid_event> Receive() {
        auto event = std::make_unique<uhid_event>();
        const ssize_t got = ::read(kernel_.get(), event.get(), sizeof *event);
        EXPECT_GE(got, static_cast<ssize_t>(kHeaderSize));
        return event;
    }

    // Sends the first `size` bytes of `event` and lets the device answer.
    void Deliver(const uhid_event& event, std::size_t size = sizeof(uhid_event)) {
        ASSERT_EQ(::write(kernel_.get(), &event, size), static_cast<ssize_t>(size));
        std::string error;
        ASSERT_TRUE(device_->ProcessEvent(error)) << error;
    }

    std::unique_ptr<uhid_event> GetReport(std::uint8_t reportId, std::uint8_t type) {
        auto request = std::make_unique<uhid_event>();
        request->type = UHID_GET_REPORT;
        request->u.get_report = {41, reportId, type};
        Deliver(*request);
        return Receive();
    }

    std::unique_ptr<uhid_event> SetReport(std::uint8_t reportId, std::uint8_t type,
                                          const std::vector<std::uint8_t>& data,
                                          std::size_t sentBytes = sizeof(uhid_event)) {
        auto request = std::make_unique<uhid_event>();
        request->type = UHID_SET_REPORT;
        request->u.set_report.id = 42;
        request->u.set_report.rnum = reportId;
        request->u.set_report.rtype = type;
        request->u.set_report.size = static_cast<__u16>(data.size());
        std::copy(data.begin(), data.end(), request->u.set_report.data);
        Deliver(*request, sentBytes);
        return Receive();
    }

    static std::vector<std::uint8_t> Report(std::uint8_t reportId, std::size_t size) {
        std::vector<std::uint8_t> report(size, 0xA5);
        report[0] = reportId;
        return report;
    }

    RecordingFirmware firmware_;
    UniqueFd kernel_;
    std::unique_ptr<UhidDevice> device_;
    std::unique_ptr<uhid_event> created_;
    std::vector<std::string> log_;
};

TEST_F(UhidDeviceTest, CreatesTheDeviceWithItsIdsAndDescriptorAndDestroysItOnDestruction) {
    ASSERT_EQ(created_->type, UHID_CREATE2);
    const uhid_create2_req& create = created_->u.create2;
    EXPECT_STREQ(reinterpret_cast<const char*>(create.name), "ORVEX SK Virtual Mouse");
    EXPECT_EQ(create.bus, 0x03);
    EXPECT_EQ(create.vendor, 0x2A3Cu);
    EXPECT_EQ(create.product, 0x3B19u);
    const std::vector<std::uint8_t> descriptor(create.rd_data, create.rd_data + create.rd_size);
    EXPECT_EQ(descriptor, VirtualMouseIdentity().reportDescriptor);

    device_.reset();
    EXPECT_EQ(Receive()->type, UHID_DESTROY);
}

TEST_F(UhidDeviceTest, FollowsStartAndStop) {
    EXPECT_FALSE(device_->started());
    uhid_event event{};
    event.type = UHID_START;
    Deliver(event, kHeaderSize + sizeof(uhid_start_req));
    EXPECT_TRUE(device_->started());
    event.type = UHID_STOP;
    Deliver(event, kHeaderSize);
    EXPECT_FALSE(device_->started());
}

// The request names only the report: the reply takes the declared length, starts with the report
// id (hidraw hands it to the caller as it is) and carries the request's id.
TEST_F(UhidDeviceTest, AnswersADeclaredFeatureReportFromTheFirmware) {
    const auto reply = GetReport(0x60, UHID_FEATURE_REPORT);
    ASSERT_EQ(reply->type, UHID_GET_REPORT_REPLY);
    EXPECT_EQ(reply->u.get_report_reply.id, 41u);
    EXPECT_EQ(reply->u.get_report_reply.err, 0);
    ASSERT_EQ(reply->u.get_report_reply.size, 64);
    EXPECT_EQ(reply->u.get_report_reply.data[0], 0x60);
    EXPECT_EQ(reply->u.get_report_reply.data[63], 63);

    ASSERT_EQ(firmware_.gets.size(), 1u);
    EXPECT_EQ(firmware_.gets[0].size(), 64u);
    EXPECT_EQ(firmware_.gets[0][0], 0x60);
}

TEST_F(UhidDeviceTest, PassesAFeatureReportOnWholeWithItsIdByte) {
    const std::vector<std::uint8_t> upload = Report(0x61, 1041);
    const auto reply = SetReport(0x61, UHID_FEATURE_REPORT, upload);
    ASSERT_EQ(reply->type, UHID_SET_REPORT_REPLY);
    EXPECT_EQ(reply->u.set_report_reply.id, 42u);
    EXPECT_EQ(reply->u.set_report_reply.err, 0);
    ASSERT_EQ(firmware_.sets.size(), 1u);
    EXPECT_EQ(firmware_.sets[0], upload);
}

// Every refusal is an error reply; the kernel makes EIO of each, so the value is EIO too.
TEST_F(UhidDeviceTest, RefusesWhatTheMouseDoesNotTakeWithAnErrorReply) {
    struct Case {
        const char* what;
        bool set;
        std::uint8_t reportId;
        std::uint8_t type;
        std::vector<std::uint8_t> data;
        HidError firmwareResult;
        bool reachesFirmware;
    };
    const std::vector<Case> cases{
        {"undeclared report", false, 0x62, UHID_FEATURE_REPORT, {}, HidError::None, false},
        {"input report", false, 0x60, UHID_INPUT_REPORT, {}, HidError::None, false},
        {"firmware busy on read", false, 0x60, UHID_FEATURE_REPORT, {}, HidError::NotReady, true},
        {"output report", true, 0x60, UHID_OUTPUT_REPORT, Report(0x60, 64), HidError::None, false},
        {"id byte missing", true, 0x60, UHID_FEATURE_REPORT, Report(0x00, 64), HidError::None,
         false},
        {"empty report", true, 0x60, UHID_FEATURE_REPORT, {}, HidError::None, false},
        {"firmware write fault", true, 0x60, UHID_FEATURE_REPORT, Report(0x60, 64),
         HidError::WriteFault, true},
        {"firmware gone", true, 0x60, UHID_FEATURE_REPORT, Report(0x60, 64), HidError::NoDevice,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        firmware_.result = c.firmwareResult;
        const std::size_t callsBefore = firmware_.sets.size() + firmware_.gets.size();
        const std::size_t logBefore = log_.size();
        const auto reply =
            c.set ? SetReport(c.reportId, c.type, c.data) : GetReport(c.reportId, c.type);
        const std::uint16_t err =
            c.set ? reply->u.set_report_reply.err : reply->u.get_report_reply.err;
        EXPECT_EQ(err, UhidDevice::kErrorReply);
        if (!c.set) {
            EXPECT_EQ(reply->u.get_report_reply.size, 0);
        }
        EXPECT_EQ(firmware_.sets.size() + firmware_.gets.size() - callsBefore,
                  c.reachesFirmware ? 1u : 0u);
        EXPECT_EQ(log_.size(), logBefore + 1);
    }
}

// A size field larger than what actually arrived must not read past the received bytes.
TEST_F(UhidDeviceTest, TakesNoMoreReportBytesThanArrived) {
    const std::vector<std::uint8_t> upload = Report(0x61, 1041);
    const std::size_t sent = kHeaderSize + offsetof(uhid_set_report_req, data) + 20;
    SetReport(0x61, UHID_FEATURE_REPORT, upload, sent);
    ASSERT_EQ(firmware_.sets.size(), 1u);
    EXPECT_EQ(firmware_.sets[0], std::vector<std::uint8_t>(upload.begin(), upload.begin() + 20));
}

TEST_F(UhidDeviceTest, ReportsADescriptorThatFailed) {
    kernel_ = UniqueFd();  // the other end goes away
    std::string error;
    EXPECT_FALSE(device_->ProcessEvent(error));
    EXPECT_FALSE(error.empty());
    // The destroy request then meets a closed socket; that must not end the process.
    const auto previous = std::signal(SIGPIPE, SIG_IGN);
    device_.reset();
    std::signal(SIGPIPE, previous);
}

}  // namespace
}  // namespace orvex::platform
