#include <signal.h>
#include <sys/prctl.h>

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include "wayland/WestonServer.h"

namespace orvex::testing {
namespace {

constexpr int kStartMs = 15000;
const QString kSocketName = QStringLiteral("orvex-test-wayland");

}  // namespace

std::unique_ptr<WestonServer> WestonServer::Start(QString& whyNot) {
    if (QStandardPaths::findExecutable(QStringLiteral("weston")).isEmpty()) {
        whyNot = QStringLiteral("weston is not installed (Debian package weston)");
        return nullptr;
    }
    std::unique_ptr<WestonServer> server(new WestonServer);
    if (!server->runtimeFolder_.isValid()) {
        whyNot = QStringLiteral("no temporary runtime folder");
        return nullptr;
    }
    // Wayland wants the runtime folder private to the user.
    QFile(server->runtimeFolder_.path())
        .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(server->runtimeFolder_.path()));
    // --debug offers the debug protocol weston-debug reads the scene graph through.
    server->weston_.setStandardOutputFile(QProcess::nullDevice());
    server->weston_.setStandardErrorFile(QProcess::nullDevice());
    // A test program that crashes or is killed must not leave its compositor behind.
    server->weston_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    server->weston_.start(
        QStringLiteral("weston"),
        {QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--socket=") + kSocketName,
         QStringLiteral("--idle-time=0"), QStringLiteral("--debug"),
         QStringLiteral("--log=") + server->runtimeFolder_.filePath(QStringLiteral("weston.log"))});
    // The socket's file appears a moment before the compositor listens on it.
    const QString socket = server->runtimeFolder_.filePath(kSocketName);
    const auto accepts = [&socket] {
        QLocalSocket probe;
        probe.connectToServer(socket);
        return probe.waitForConnected(100);
    };
    if (!server->weston_.waitForStarted(kStartMs) ||
        !QTest::qWaitFor(
            [&] { return accepts() || server->weston_.state() == QProcess::NotRunning; },
            kStartMs) ||
        server->weston_.state() == QProcess::NotRunning) {
        whyNot = QStringLiteral("weston did not come up");
        return nullptr;
    }
    qputenv("WAYLAND_DISPLAY", kSocketName.toLatin1());
    return server;
}

WestonServer::~WestonServer() {
    weston_.terminate();
    if (!weston_.waitForFinished(5000)) {
        weston_.kill();
        weston_.waitForFinished(5000);
    }
    qunsetenv("WAYLAND_DISPLAY");
}

QString WestonServer::SceneGraph() const {
    QProcess debug;
    debug.start(QStringLiteral("weston-debug"), {QStringLiteral("scene-graph")});
    debug.waitForFinished(5000);
    return QString::fromUtf8(debug.readAllStandardOutput());
}

QStringList WestonServer::ToplevelTitles() const {
    static const QRegularExpression toplevel(QStringLiteral("top-level window '([^']*)'"));
    QStringList titles;
    for (const QRegularExpressionMatch& match : toplevel.globalMatch(SceneGraph())) {
        titles.append(match.captured(1));
    }
    return titles;
}

QRect WestonServer::ViewGeometry(const QString& description) const {
    static const QRegularExpression position(
        QStringLiteral("position: \\((-?\\d+), (-?\\d+)\\) -> \\((-?\\d+), (-?\\d+)\\)"));
    const QStringList lines = SceneGraph().split(u'\n');
    for (qsizetype index = 0; index + 1 < lines.size(); ++index) {
        if (!lines[index].trimmed().startsWith(QStringLiteral("View ")) ||
            !lines[index].contains(description)) {
            continue;
        }
        const QRegularExpressionMatch match = position.match(lines[index + 1]);
        if (match.hasMatch()) {
            const QPoint from(match.captured(1).toInt(), match.captured(2).toInt());
            const QPoint to(match.captured(3).toInt(), match.captured(4).toInt());
            return {from, QSize(to.x() - from.x(), to.y() - from.y())};
        }
    }
    return {};
}

void WestonTest::SetUp() {
    if (SharedWeston() == nullptr) {
        GTEST_SKIP() << SharedWestonSkipReason().toStdString();
    }
}

}  // namespace orvex::testing
