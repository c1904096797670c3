#include "core/log/Log.h"
#include "core/profiles/ProfileFile.h"
#include "ui/app/CTESKDlg.h"
#include "ui/app/ProfileFileDialogs.h"
#include "ui/app/SlotBar.h"
#include "ui/profiles/CRenameDlg.h"
#include "ui/skin/MessageBox.h"

// The slot menus: rename, save, export, import and disable/enable one profile slot.
namespace orvex::ui {
namespace {

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

// The export and import dialogs start in the profiles folder, which does not exist before the
// first save.
std::filesystem::path DialogFolder(const std::filesystem::path& programDataFolder, Log& log) {
    const std::filesystem::path folder = ProfilesFolderPath(programDataFolder);
    if (!CreateFolderPath(folder)) {
        LogLine(&log, "window", "cannot create " + folder.string());
    }
    return folder;
}

}  // namespace

void CTESKDlg::OnSlotMenuItem(int slot, int item) {
    switch (item) {
        case SlotBar::kRename:
            RenameSlot(slot);
            break;
        case SlotBar::kSaveCurrent: {
            const ProfileRecord& saved = record(slot);
            ReportFileFailure(QStringLiteral("Save current settings"),
                              SaveProfile(saved, saved.filePath));
            break;
        }
        case SlotBar::kExport:
            ExportSlot(slot);
            break;
        case SlotBar::kImport:
            ImportSlot(slot);
            break;
        case SlotBar::kDisableEnable:
            ToggleSlotEnabled(slot);
            break;
        default:
            break;
    }
}

void CTESKDlg::RenameSlot(int slot) {
    ProfileRecord& renamed = records_[static_cast<std::size_t>(slot - 1)];
    if (CRenameDlg::Run(renamed, this) == CRenameDlg::kRenamed) {
        slotBar_->ShowName(slot, renamed.name);
    }
}

void CTESKDlg::ExportSlot(int slot) {
    const ProfileRecord& exported = record(slot);
    DialogFolder(programDataFolder_, services_.log);
    const auto chosen = ProfileFileDialogs::ChooseExportFile(
        this, SuggestedExportPath(programDataFolder_, exported));
    if (chosen.has_value()) {
        ReportFileFailure(QStringLiteral("Export Profile"), ExportProfile(exported, *chosen));
    }
}

void CTESKDlg::ImportSlot(int slot) {
    const auto chosen =
        ProfileFileDialogs::ChooseImportFile(this, DialogFolder(programDataFolder_, services_.log));
    if (!chosen.has_value()) {
        return;
    }
    // The pages are about to be reloaded from the current record; what the user edited on them
    // goes into that record first, so importing into another slot does not throw the edits away.
    WritePagesBack();
    ProfileRecord& imported = records_[static_cast<std::size_t>(slot - 1)];
    const ProfileLoadStatus status = ImportProfile(*chosen, imported);
    if (slot == 1) {
        // The first profile is always enabled, as the slot menu keeps it.
        imported.enabled = 1;
    }
    LoadPagesFromCurrent();
    ShowSlotState(slot);
    if (status != ProfileLoadStatus::Loaded) {
        const QString reason = QString::fromLatin1(ProfileLoadStatusName(status));
        LogLine(&services_.log, "window",
                "Import Profile: " + chosen->string() + ": " + reason.toStdString());
        // The user must not believe the slot now holds that file.
        MessageBox::Show(
            this, QStringLiteral("Import Profile failed.\n%1: %2").arg(PathText(*chosen), reason));
    }
}

void CTESKDlg::ToggleSlotEnabled(int slot) {
    // The first profile always stays enabled.
    if (slot == 1) {
        return;
    }
    ProfileRecord& toggled = records_[static_cast<std::size_t>(slot - 1)];
    toggled.enabled = toggled.enabled != 0 ? 0 : 1;
    ShowSlotState(slot);
}

void CTESKDlg::ShowSlotState(int slot) {
    const ProfileRecord& shown = record(slot);
    slotBar_->ShowName(slot, shown.name);
    slotBar_->ShowEnabled(slot, shown.enabled != 0);
}

void CTESKDlg::ReportFileFailure(const QString& action, const FileWriteResult& result) {
    if (result.ok) {
        return;
    }
    LogLine(&services_.log, "window", action.toStdString() + ": " + result.error);
    MessageBox::Show(
        this, QStringLiteral("%1 failed.\n%2").arg(action, QString::fromStdString(result.error)));
}

}  // namespace orvex::ui
