#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace orvex::testing {

// A D-Bus session bus of the test's own (dbus-daemon --session), so that what a program puts on
// "the session bus" can be seen and answered without touching the developer's session.
class PrivateSessionBus {
  public:
    // Null, with the reason in whyNot, when dbus-daemon is not installed or did not come up.
    static std::unique_ptr<PrivateSessionBus> Start(QString& whyNot);
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    // What DBUS_SESSION_BUS_ADDRESS holds for a program that is to use this bus.
    const QString& address() const { return address_; }
    // The test's own connection to it.
    QDBusConnection connection() const;

  private:
    PrivateSessionBus() = default;

    QTemporaryDir folder_;
    QProcess daemon_;
    QString address_;
    QString connectionName_;
};

}  // namespace orvex::testing
