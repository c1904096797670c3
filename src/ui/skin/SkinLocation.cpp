#include "ui/skin/SkinLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/RunningProgram.h"

namespace orvex::ui {
namespace {

const QString kSkinFolderName = QStringLiteral("ORVEXSK_Skins");
const QString kFontPath = QStringLiteral("TESK5100_Skins/NeoSansStd-Regular.otf");
const QString kInstalledShare = QStringLiteral("../share/orvex-sk");

QString BesideOrInstalled(const QDir& programFolder, const QString& relativePath) {
    const QString beside = programFolder.filePath(relativePath);
    if (QFileInfo::exists(beside)) {
        return QDir::cleanPath(beside);
    }
    return QDir::cleanPath(programFolder.filePath(kInstalledShare + u'/' + relativePath));
}

}  // namespace

SkinLocation SkinLocation::ForProgramFolder(const QString& programFolder) {
    const QDir folder(programFolder);
    return {BesideOrInstalled(folder, kSkinFolderName), BesideOrInstalled(folder, kFontPath)};
}

SkinLocation SkinLocation::ForRunningProgram() {
    const std::filesystem::path folder = platform::RunningProgramFolder();
    return ForProgramFolder(folder.empty() ? QCoreApplication::applicationDirPath()
                                           : QFile::decodeName(folder.c_str()));
}

}  // namespace orvex::ui
