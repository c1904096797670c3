#include "ui/app/ProfileFileDialogs.h"

#include <QFileDialog>
#include <deque>

namespace orvex::ui {
namespace {

std::deque<std::optional<std::filesystem::path>> scriptedChoices;
QStringList startPaths;

QString ToQString(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

std::optional<std::filesystem::path> FromQString(const QString& chosen) {
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(chosen.toStdU16String());
}

// A scripted answer when a test queued one.
std::optional<std::optional<std::filesystem::path>> TakeScriptedChoice() {
    if (scriptedChoices.empty()) {
        return std::nullopt;
    }
    auto choice = scriptedChoices.front();
    scriptedChoices.pop_front();
    return choice;
}

}  // namespace

std::optional<std::filesystem::path> ProfileFileDialogs::ChooseExportFile(
    QWidget* parent, const std::filesystem::path& suggested) {
    startPaths.append(ToQString(suggested));
    if (auto scripted = TakeScriptedChoice()) {
        return *scripted;
    }
    return FromQString(QFileDialog::getSaveFileName(parent, QString(), ToQString(suggested),
                                                    QString::fromLatin1(kFilter), nullptr,
                                                    QFileDialog::DontConfirmOverwrite));
}

std::optional<std::filesystem::path> ProfileFileDialogs::ChooseImportFile(
    QWidget* parent, const std::filesystem::path& folder) {
    startPaths.append(ToQString(folder));
    if (auto scripted = TakeScriptedChoice()) {
        return *scripted;
    }
    return FromQString(QFileDialog::getOpenFileName(parent, QString(), ToQString(folder),
                                                    QString::fromLatin1(kFilter)));
}

void ProfileFileDialogs::SetNextChoiceForTests(std::optional<std::filesystem::path> choice) {
    scriptedChoices.push_back(std::move(choice));
}

void ProfileFileDialogs::ResetForTests() {
    scriptedChoices.clear();
    startPaths.clear();
}

QStringList ProfileFileDialogs::TakeStartPathsForTests() {
    QStringList taken;
    taken.swap(startPaths);
    return taken;
}

}  // namespace orvex::ui
