#include <signal.h>
#include <sys/prctl.h>

#include <QDBusConnectionInterface>
#include <QStandardPaths>
#include <QTest>

#include "x11/PrivateSessionBus.h"

namespace orvex::testing {
namespace {

constexpr int kStartMs = 10000;

}  // namespace

std::unique_ptr<PrivateSessionBus> PrivateSessionBus::Start(QString& whyNot) {
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty()) {
        whyNot = QStringLiteral("dbus-daemon is not installed (Debian package dbus-daemon)");
        return nullptr;
    }
    std::unique_ptr<PrivateSessionBus> bus(new PrivateSessionBus);
    const QString socket =
        QStringLiteral("unix:path=") + bus->folder_.filePath(QStringLiteral("bus"));
    // A test program that crashes or is killed must not leave its bus behind.
    bus->daemon_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    bus->daemon_.start(
        QStringLiteral("dbus-daemon"),
        {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
         QStringLiteral("--address=") + socket, QStringLiteral("--print-address=1")});
    // The daemon prints its address once it accepts connections.
    if (!bus->daemon_.waitForStarted(kStartMs) ||
        !QTest::qWaitFor([&] { return bus->daemon_.canReadLine(); }, kStartMs)) {
        whyNot = QStringLiteral("dbus-daemon did not come up");
        return nullptr;
    }
    bus->address_ = QString::fromLatin1(bus->daemon_.readLine()).trimmed();
    bus->connectionName_ = QStringLiteral("orvex-test-bus-") + bus->folder_.path();
    if (!bus->connection().isConnected()) {
        whyNot = QStringLiteral("no connection to the private bus");
        return nullptr;
    }
    return bus;
}

PrivateSessionBus::~PrivateSessionBus() {
    if (!connectionName_.isEmpty()) {
        QDBusConnection::disconnectFromBus(connectionName_);
    }
    daemon_.kill();
    daemon_.waitForFinished(5000);
}

QDBusConnection PrivateSessionBus::connection() const {
    return QDBusConnection::connectToBus(address_, connectionName_);
}

}  // namespace orvex::testing
