// The built orvex-sk on a desktop whose tray is a StatusNotifier host on the session bus (KDE
// Plasma, GNOME with AppIndicator), played by the test on a bus of its own.
#include <gtest/gtest.h>

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDBusVariant>
#include <QTest>
#include <vector>

#include "ui/layout/MainWindowLayout.h"
#include "x11/PrivateSessionBus.h"
#include "x11/ProgramUnderTest.h"

namespace orvex::testing {
namespace {

namespace main = ui::layout::mainwindow;

// The desktop's side of a StatusNotifier tray (KDE Plasma, GNOME's AppIndicator extension): the
// watcher items register with, answering that a tray (a host) is there.
class StatusNotifierWatcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)

  public:
    // Takes the watcher's name and object on `bus`; false when the bus refused them.
    bool Register(QDBusConnection bus) {
        return bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), this,
                                  QDBusConnection::ExportAllContents) &&
               bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"));
    }

    bool hostRegistered() const { return true; }
    int protocolVersion() const { return 0; }
    QStringList items() const { return items_; }

  public slots:
    // An item registers by its service name (or, by some, by its object path).
    void RegisterStatusNotifierItem(const QString& service) {
        items_.append(service);
        emit StatusNotifierItemRegistered(service);
    }
    void RegisterStatusNotifierHost(const QString&) {}

  signals:
    void StatusNotifierItemRegistered(const QString& service);

  private:
    QStringList items_;
};

// One size of an icon as the item exports it: ARGB32 pixels in network byte order.
struct Pixmap {
    int width = 0;
    int height = 0;
    QByteArray pixels;
};

// Reads an array of pixmaps, a(iiay), where `argument` stands.
std::vector<Pixmap> ReadPixmaps(const QDBusArgument& argument) {
    std::vector<Pixmap> pixmaps;
    argument.beginArray();
    while (!argument.atEnd()) {
        Pixmap pixmap;
        argument.beginStructure();
        argument >> pixmap.width >> pixmap.height >> pixmap.pixels;
        argument.endStructure();
        pixmaps.push_back(pixmap);
    }
    argument.endArray();
    return pixmaps;
}

class StatusNotifierTrayTest : public ProgramUnderTest {
  protected:
    void SetUp() override {
        ProgramUnderTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        QString whyNot;
        bus_ = PrivateSessionBus::Start(whyNot);
        if (!bus_) {
            GTEST_SKIP() << whyNot.toStdString();
        }
        ASSERT_TRUE(watcher_.Register(bus_->connection()));
        SetProgramVariable(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus_->address());
    }

    void TearDown() override {
        ProgramUnderTest::TearDown();
        bus_.reset();
    }

    // The program's item, once it registered with the watcher.
    QDBusInterface Item() const {
        return QDBusInterface(watcher_.items().value(0), QStringLiteral("/StatusNotifierItem"),
                              QStringLiteral("org.kde.StatusNotifierItem"), bus_->connection());
    }

    // One property of the item, as the tray reads it.
    QDBusArgument ItemProperty(const QString& name) const {
        QDBusInterface properties(watcher_.items().value(0), QStringLiteral("/StatusNotifierItem"),
                                  QStringLiteral("org.freedesktop.DBus.Properties"),
                                  bus_->connection());
        const QDBusReply<QDBusVariant> reply = properties.call(
            QStringLiteral("Get"), QStringLiteral("org.kde.StatusNotifierItem"), name);
        return reply.value().variant().value<QDBusArgument>();
    }

    std::unique_ptr<PrivateSessionBus> bus_;
    StatusNotifierWatcher watcher_;
};

TEST_F(StatusNotifierTrayTest, TheItemShowsTheWindowOnActivateAndTheTrayMenuOnContextMenu) {
    StartAndWaitForWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !watcher_.items().isEmpty(); }, kStartMs))
        << "the program registers its item";
    ASSERT_TRUE(Item().isValid());

    // The tip, and the icon as pixels: (sa(iiay)ss) and a(iiay).
    const QDBusArgument toolTip = ItemProperty(QStringLiteral("ToolTip"));
    QString iconName;
    QString title;
    toolTip.beginStructure();
    toolTip >> iconName;
    ReadPixmaps(toolTip);
    toolTip >> title;
    EXPECT_EQ(title, QStringLiteral("ORVEX SK Optical Gaming Mouse"));
    int largestWidth = 0;
    for (const Pixmap& pixmap : ReadPixmaps(ItemProperty(QStringLiteral("IconPixmap")))) {
        EXPECT_EQ(pixmap.pixels.size(), pixmap.width * pixmap.height * 4);
        largestWidth = std::max(largestWidth, pixmap.width);
    }
    EXPECT_GE(largestWidth, 16) << "the icon is exported";

    // With a tray, Cancel hides the window; the tray's single activation brings it back.
    ClickInWindow(main::kCancel);
    ASSERT_TRUE(QTest::qWaitFor([] { return !WindowShown(); }, kStartMs));
    Item().call(QStringLiteral("Activate"), 20, 10);
    EXPECT_TRUE(QTest::qWaitFor(WindowShown, kStartMs));

    // The context request opens the skinned tray menu; no icon window of the program's is shown.
    EXPECT_TRUE(SmallWindows().isEmpty());
    Item().call(QStringLiteral("ContextMenu"), 20, 10);
    EXPECT_TRUE(QTest::qWaitFor([] { return MenuWindows().size() == 1; }, kStartMs));
}

}  // namespace
}  // namespace orvex::testing

#include "StatusNotifierTray_test.moc"
