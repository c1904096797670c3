#pragma once

#include <QByteArray>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;
class QLocalSocket;

namespace orvex::ui {

// Keeps the program to one instance per user. The first start holds a lock file and listens on a
// local socket beside it; a later start finds the lock taken, sends the running one the show
// request over the socket and ends without a window.
class SingleInstance : public QObject {
    Q_OBJECT

  public:
    // The show request a later start sends; the running instance shows its window.
    static constexpr int kShowRequest = 2028;

    enum class Claim { ThisRuns, AnotherRuns };

    // "ORVEX SK Config" in the user's runtime folder, or in the temporary folder suffixed with the
    // user id where the desktop sets no runtime folder: either way one per user.
    static QString DefaultServerPath();

    explicit SingleInstance(QString serverPath = DefaultServerPath(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the instance for this process, or asks the one that holds it to show its window.
    // A lock left behind by a crashed run is taken over. When the lock cannot be made at all (no
    // writable folder) this process runs unguarded rather than not at all.
    Claim ClaimInstance();

  signals:
    // A later start asked this instance to show its window.
    void ShowRequested();

  private:
    void Listen();
    void AcceptPending();
    void ReadRequest(QLocalSocket* socket);
    void SendShowRequest() const;

    QString serverPath_;
    QLockFile lock_;
    std::unique_ptr<QLocalServer> server_;
};

}  // namespace orvex::ui
