#include "ui/macros/CTavListBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "core/macros/ListRows.h"
#include "core/macros/MacroIds.h"
#include "core/macros/UniqueMacroName.h"
#include "ui/macros/InlineEditor.h"
#include "ui/macros/IntRectQt.h"
#include "ui/macros/ListScrollBar.h"
#include "ui/skin/CTavEdit.h"
#include "ui/skin/CTavScrollCtrl.h"
#include "ui/skin/NotificationCodes.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinFonts.h"
#include "ui/skin/SkinPainting.h"

namespace orvex::ui {
namespace {

constexpr int kRowFontHeight = 15;
constexpr int kEditorFontHeight = 16;
constexpr int kNewRowLeft = 3;
constexpr int kNewRowRightInset = 2;

}  // namespace

CTavListBox::CTavListBox(QWidget* parent)
    : QWidget(parent), SkinnedControl(this), font_(MakeSkinFont(kArialFace, kRowFontHeight)) {}

void CTavListBox::SetBackgroundImage(const QImage& image) {
    background_ = image;
    update();
}

void CTavListBox::CreateScrollBar() {
    scrollBar_ = CreateListScrollBar(this);
    scrollBar_->hide();
}

bool CTavListBox::ScrollBarShown() const {
    return scrollBar_ != nullptr && !scrollBar_->isHidden();
}

void CTavListBox::AddRow(const QString& name) {
    std::vector<std::int32_t> ids;
    std::vector<std::u16string> names;
    for (const CBoxItem& row : rows_) {
        ids.push_back(row.id);
        names.push_back(row.text.toStdU16String());
    }
    const std::int32_t id = NextMacroId(ids);
    if (id == 0) {
        // Every id a button binding can hold is taken: a row that could never be bound is not
        // made.
        return;
    }
    CBoxItem row;
    row.id = id;
    row.text = QString::fromStdU16String(UniqueMacroName(name.toStdU16String(), names));
    AppendSelected(std::move(row));
}

void CTavListBox::AddRow(const QString& name, int id) {
    CBoxItem row;
    row.id = id;
    row.text = name;
    AppendSelected(std::move(row));
}

void CTavListBox::AppendSelected(CBoxItem row) {
    for (CBoxItem& other : rows_) {
        other.selected = false;
    }
    row.selected = true;
    const int id = row.id;
    rows_.push_back(std::move(row));
    LayOut();
    NotifyParentWithCode(kRowSelectedCode, id);
}

void CTavListBox::DeleteSelectedRow() {
    const auto selected =
        std::find_if(rows_.begin(), rows_.end(), [](const CBoxItem& row) { return row.selected; });
    if (selected == rows_.end()) {
        return;
    }
    const auto index = static_cast<std::size_t>(selected - rows_.begin());
    NotifyParentWithCode(kRowDeletingCode, selected->id);
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
    if (rows_.empty()) {
        NotifyParentWithCode(kRowSelectedCode, 0);
    } else {
        const std::size_t next = std::min(index, rows_.size() - 1);
        SelectOnly(next);
        NotifyParentWithCode(kRowSelectedCode, rows_[next].id);
    }
    LayOut();
    update();
}

const CBoxItem* CTavListBox::SelectedRow() const {
    const auto selected =
        std::find_if(rows_.begin(), rows_.end(), [](const CBoxItem& row) { return row.selected; });
    return selected != rows_.end() ? &*selected : nullptr;
}

void CTavListBox::SelectOnly(std::size_t index) {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        rows_[i].selected = i == index;
    }
}

int CTavListBox::MakeRoomForNewRow() {
    if (rows_.empty()) {
        return 0;
    }
    int top = rows_.back().rect.bottom;
    if (top + kListRowHeight > height()) {
        const int rise = top + kListRowHeight - height() + 2;
        for (CBoxItem& row : rows_) {
            row.rect.top -= rise;
            row.rect.bottom -= rise;
        }
        update();
        top = height() - kListRowHeight - 2;
    }
    return top;
}

void CTavListBox::NewMacroAction() {
    if (CommitNameEditor()) {
        return;
    }
    if (nameEditor_ == nullptr) {
        nameEditor_ = new CTavEdit(this);
        nameEditor_->SetFontHeight(kEditorFontHeight);
    }
    const int top = MakeRoomForNewRow();
    const int right = width() - kNewRowRightInset - (ScrollBarShown() ? scrollBar_->width() : 0);
    OpenInlineEditor(*nameEditor_, QRect(kNewRowLeft, top, right - kNewRowLeft, kListRowHeight));
}

bool CTavListBox::CommitNameEditor() {
    const std::optional<QString> name = CloseInlineEditor(nameEditor_);
    if (!name) {
        return false;
    }
    if (!name->isEmpty()) {
        AddRow(*name);
    } else {
        // Nothing was added; the rows that moved up to make room go back.
        LayOut();
    }
    update();
    return true;
}

void CTavListBox::LayOut() {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        rows_[i].rect = StandardListRow(static_cast<std::int64_t>(i), width());
    }
    if (scrollBar_ == nullptr) {
        return;
    }
    if (!rows_.empty() && rows_.back().rect.bottom > height()) {
        scrollBar_->show();
        const int count = static_cast<int>(rows_.size());
        scrollBar_->SetMaximum(count);
        scrollBar_->SetPos(count - 1);
    } else if (ScrollBarShown()) {
        scrollBar_->hide();
    }
}

void CTavListBox::ScrollTo(int position) {
    const std::int32_t shift = ScrolledRowShift(static_cast<std::int64_t>(rows_.size()),
                                                VisibleListRows(height()), position, height());
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        IntRect rect = StandardListRow(static_cast<std::int64_t>(i), width());
        rect.top += shift;
        rect.bottom += shift;
        rows_[i].rect = rect;
    }
    update();
}

void CTavListBox::ControlNotification(int code, int value) {
    if (code == kListScrollBarId) {
        ScrollTo(value);
    }
}

int CTavListBox::RowAt(const QPoint& point) const {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].rect.Contains(point.x(), point.y())) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CTavListBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawImageScaled(painter, background_, rect());
    for (const CBoxItem& row : rows_) {
        const QColor colour =
            ColourFromBgr(row.selected ? CBoxItem::kSelectedTextBgr : CBoxItem::kNormalTextBgr);
        DrawLabel(painter, row.text, colour, false, true, ToQRect(row.rect), &font_);
    }
}

void CTavListBox::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || CommitNameEditor()) {
        return;
    }
    const int row = RowAt(event->position().toPoint());
    if (row >= 0) {
        SelectOnly(static_cast<std::size_t>(row));
        update();
    }
}

void CTavListBox::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const int row = RowAt(event->position().toPoint());
    if (row >= 0) {
        SelectOnly(static_cast<std::size_t>(row));
        NotifyParentWithCode(kRowSelectedCode, rows_[static_cast<std::size_t>(row)].id);
        update();
    }
}

}  // namespace orvex::ui
