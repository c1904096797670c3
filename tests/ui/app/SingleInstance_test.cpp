#include "ui/app/SingleInstance.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <cstring>

namespace orvex::ui {
namespace {

constexpr int kWaitMs = 2000;

class SingleInstanceTest : public ::testing::Test {
  protected:
    QString ServerPath() const { return folder_.filePath(QStringLiteral("ORVEX SK Config")); }

    QTemporaryDir folder_;
};

void SendRaw(const QString& serverPath, const QByteArray& bytes) {
    QLocalSocket socket;
    socket.connectToServer(serverPath);
    ASSERT_TRUE(socket.waitForConnected(kWaitMs));
    socket.write(bytes);
    socket.waitForBytesWritten(kWaitMs);
    socket.disconnectFromServer();
}

TEST_F(SingleInstanceTest, ALaterStartFindsTheFirstRunningAndAsksItToShowItsWindow) {
    SingleInstance first(ServerPath());
    QSignalSpy shown(&first, &SingleInstance::ShowRequested);
    ASSERT_EQ(first.ClaimInstance(), SingleInstance::Claim::ThisRuns);

    SingleInstance second(ServerPath());
    EXPECT_EQ(second.ClaimInstance(), SingleInstance::Claim::AnotherRuns);
    ASSERT_TRUE(shown.wait(kWaitMs));
    EXPECT_EQ(shown.count(), 1);

    // Anything but the show request is not acted on, however long it is.
    SendRaw(ServerPath(), "2027\n");
    SendRaw(ServerPath(), QByteArray(4096, '2'));
    SingleInstance third(ServerPath());
    EXPECT_EQ(third.ClaimInstance(), SingleInstance::Claim::AnotherRuns);
    ASSERT_TRUE(shown.wait(kWaitMs));
    EXPECT_EQ(shown.count(), 2);
}

// A pid that belonged to a process which has ended.
qint64 PidOfEndedProcess() {
    QProcess process;
    process.start(QStringLiteral("true"), {});
    process.waitForStarted(kWaitMs);
    const qint64 pid = process.processId();
    process.waitForFinished(kWaitMs);
    return pid;
}

// A socket file left in the folder the way a crashed program leaves it: bound, never unlinked.
void LeaveStaleSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

TEST_F(SingleInstanceTest, TheLockAndSocketOfACrashedRunAreTakenOver) {
    QFile lock(ServerPath() + QStringLiteral(".lock"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    // QLockFile's own format: pid, program name, host name.
    lock.write(QByteArray::number(PidOfEndedProcess()) + "\norvex-sk\n" +
               QSysInfo::machineHostName().toUtf8() + '\n');
    lock.close();
    LeaveStaleSocket(ServerPath());

    SingleInstance first(ServerPath());
    QSignalSpy shown(&first, &SingleInstance::ShowRequested);
    ASSERT_EQ(first.ClaimInstance(), SingleInstance::Claim::ThisRuns);
    SingleInstance second(ServerPath());
    EXPECT_EQ(second.ClaimInstance(), SingleInstance::Claim::AnotherRuns);
    EXPECT_TRUE(shown.wait(kWaitMs)) << "the first listens on the stale socket's path";
}

}  // namespace
}  // namespace orvex::ui
