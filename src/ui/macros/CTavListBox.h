#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>
#include <vector>

#include "ui/macros/CBoxItem.h"
#include "ui/skin/ControlNotificationTarget.h"
#include "ui/skin/SkinnedControl.h"

namespace orvex::ui {

class CTavEdit;
class CTavScrollCtrl;

// The macro list: one row per macro, where macros are created, named, selected and deleted. It
// tells its parent (kRowSelectedCode, id) whenever a row becomes the selected one (id 0 when the
// last row went) and (kRowDeletingCode, id) just before a row is deleted. New names are typed
// into an editor that opens below the last row; a row clicked is selected on the press and
// reported on the release. The scroll bar shows only while the rows do not fit.
class CTavListBox : public QWidget, public SkinnedControl, public ControlNotificationTarget {
    Q_OBJECT

  public:
    explicit CTavListBox(QWidget* parent = nullptr);

    void SetBackgroundImage(const QImage& image);
    // Makes the list's scroll bar (hidden until the rows need it); the list must have its size.
    void CreateScrollBar();

    // A new macro's row: the next free id, the name made unique among the rows, selected.
    void AddRow(const QString& name);
    // A loaded macro's row, under its own name and id, selected.
    void AddRow(const QString& name, int id);
    // Deletes the selected row and selects the row that takes its place (or the one before it).
    void DeleteSelectedRow();
    const CBoxItem* SelectedRow() const;

    // The page's New Macro: commits an open name editor, or else opens it below the last row.
    void NewMacroAction();
    // Adds a row for the typed name, if any, and closes the editor. False when it was not open.
    bool CommitNameEditor();

    const std::vector<CBoxItem>& rows() const { return rows_; }
    // Null until first used.
    CTavEdit* nameEditor() const { return nameEditor_; }
    CTavScrollCtrl* scrollBar() const { return scrollBar_; }

    // The scroll bar's position.
    void ControlNotification(int code, int value) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void AppendSelected(CBoxItem row);
    // Where a new row goes: below the last row, the rows moving up to make room when the list is
    // full. Returns the new row's top.
    int MakeRoomForNewRow();
    void LayOut();
    void ScrollTo(int position);
    bool ScrollBarShown() const;
    int RowAt(const QPoint& point) const;
    void SelectOnly(std::size_t index);

    QImage background_;
    QFont font_;
    std::vector<CBoxItem> rows_;
    CTavScrollCtrl* scrollBar_ = nullptr;
    CTavEdit* nameEditor_ = nullptr;
};

}  // namespace orvex::ui
