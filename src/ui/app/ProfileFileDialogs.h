#pragma once

#include <QStringList>
#include <filesystem>
#include <optional>

class QWidget;

namespace orvex::ui {

// The Save As and Open dialogs of a slot's export and import. Tests answer them through a seam
// instead of showing them, as they do the message boxes.
class ProfileFileDialogs {
  public:
    static constexpr const char* kFilter = "Tesk Mouse Profile(*.profile)";

    // Save As, suggesting `suggested`; no overwrite question, no extension added (the export
    // adds it). None when the user cancelled.
    static std::optional<std::filesystem::path> ChooseExportFile(
        QWidget* parent, const std::filesystem::path& suggested);
    // Open, starting in `folder` and showing its profile files. None when the user cancelled.
    static std::optional<std::filesystem::path> ChooseImportFile(
        QWidget* parent, const std::filesystem::path& folder);

    // The next dialog is not shown and answers `choice` (none: cancelled).
    static void SetNextChoiceForTests(std::optional<std::filesystem::path> choice);
    // What each dialog since the last call started from (the suggested file or the folder).
    static QStringList TakeStartPathsForTests();
    // Forgets queued choices and start paths.
    static void ResetForTests();
};

}  // namespace orvex::ui
