#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <string>

namespace orvex::testing {

// The tree `cmake --install` made under DESTDIR, prefix /usr.
std::filesystem::path InstalledPrefix();
QString Installed(const std::string& relative);  // a path below the prefix

struct ProgramRun {
    int exitCode = -1;  // -1: it did not start or end in time
    QString out;
    QString err;
};

// Runs a program to its end (at most 30 s) with the given environment, or this process's.
ProgramRun RunProgram(
    const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// The value of KEY= in the [Desktop Entry] group of a desktop file.
QString DesktopEntryValue(const QString& file, const QString& key);

}  // namespace orvex::testing
