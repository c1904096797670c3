#include <QFile>
#include <QProcess>
#include <QTextStream>

#include "install/InstalledProgram.h"

namespace orvex::testing {

std::filesystem::path InstalledPrefix() {
    return std::filesystem::path(ORVEX_INSTALL_STAGE) / "usr";
}

QString Installed(const std::string& relative) {
    return QString::fromStdString((InstalledPrefix() / relative).string());
}

ProgramRun RunProgram(const QString& program, const QStringList& arguments,
                      const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ProgramRun run;
    if (!process.waitForStarted(30000) || !process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished(5000);
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString DesktopEntryValue(const QString& file, const QString& key) {
    QFile entry(file);
    if (!entry.open(QIODevice::ReadOnly)) {
        return {};
    }
    QTextStream in(&entry);
    bool inMainGroup = false;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(u'[')) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
        } else if (inMainGroup && line.startsWith(key + u'=')) {
            return line.mid(key.size() + 1);
        }
    }
    return {};
}

}  // namespace orvex::testing
