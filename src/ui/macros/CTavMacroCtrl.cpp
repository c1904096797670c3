#include "ui/macros/CTavMacroCtrl.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>

#include "core/macros/EventText.h"
#include "ui/macros/EventRowPainting.h"
#include "ui/macros/InlineEditor.h"
#include "ui/macros/ListScrollBar.h"
#include "ui/macros/MacroRecordMenu.h"
#include "ui/skin/CTavEdit.h"
#include "ui/skin/CTavMenu.h"
#include "ui/skin/CTavScrollCtrl.h"
#include "ui/skin/MenuIdAllocator.h"
#include "ui/skin/NotificationCodes.h"
#include "ui/skin/SkinFonts.h"
#include "ui/skin/SkinPainting.h"

namespace orvex::ui {
namespace {

constexpr int kRowFontHeight = 13;
// The band at the right where the scroll bar sits; rows are not drawn under it.
constexpr int kScrollBand = 24;

// The delay editor sits over the delay column of its row.
constexpr int kDelayEditorLeft = 120;
constexpr int kDelayEditorRight = 172;
constexpr int kDelayEditorFontHeight = 13;
// Enough digits for the longest delay a macro event holds.
constexpr int kDelayEditorMaxLength = 10;

}  // namespace

CTavMacroCtrl::CTavMacroCtrl(const Clock& clock, QWidget* parent)
    : QWidget(parent),
      SkinnedControl(this),
      clock_(clock),
      font_(MakeSkinFont(kArialFace, kRowFontHeight)),
      macros_(this) {
    // A click gives the list the focus, so that losing it can close the record menu.
    setFocusPolicy(Qt::ClickFocus);
}

void CTavMacroCtrl::SetBackgroundImage(const QImage& image) {
    background_ = image;
    update();
}

void CTavMacroCtrl::CreateScrollBar() {
    scrollBar_ = CreateListScrollBar(this);
    scrollBar_->show();
}

void CTavMacroCtrl::BuildMenu() {
    delete menu_;
    MenuIdAllocator ids(clock_);
    menuId_ = ids.Next();
    menu_ = recordmenu::BuildRecordMenu(this, menuId_);
}

void CTavMacroCtrl::ShowMacro(int id, const QString& name) {
    CommitDelayEditor();
    // A macro made here lays its rows out in the list as it is now (a hidden page's list has its
    // size, but no resize event yet).
    macros_.SetClientArea(IntRect{0, 0, width(), height()});
    macros_.ShowMacro(id, name.toStdU16String());
}

void CTavMacroCtrl::SetScrollPosition(int position) {
    if (scrollBar_ != nullptr) {
        scrollBar_->SetPos(position);
    }
}

void CTavMacroCtrl::OnScrollMaximum(int maximum) {
    ControlNotification(kEventRowsLaidOutCode, maximum);
}

void CTavMacroCtrl::OnEventCount(int count) {
    ControlNotification(kEventCountChangedCode, count);
}

void CTavMacroCtrl::OnScrollPosition(int position) {
    ControlNotification(kEventScrollToCode, position);
}

void CTavMacroCtrl::OnMacroShown(const CMacro& macro) {
    if (scrollBar_ != nullptr) {
        scrollBar_->SetMaximum(static_cast<int>(macro.events.size()));
        scrollBar_->SetPos(scrollBar_->minimum());
    }
    update();
}

void CTavMacroCtrl::OnMacroAdded(const CMacro&) {
    if (scrollBar_ != nullptr) {
        scrollBar_->SetMaximum(scrollBar_->minimum() + 1);
    }
}

void CTavMacroCtrl::ControlNotification(int code, int value) {
    if (code == kListScrollBarId) {
        if (CMacro* macro = CurrentMacro()) {
            macro->ScrollRowsTo(value);
        }
        update();
    } else if (code == kEventRowsLaidOutCode) {
        if (scrollBar_ != nullptr && !scrollBar_->isHidden()) {
            scrollBar_->SetMaximum(value);
            scrollBar_->SetPos(value);
            scrollBar_->update();
        }
    } else if (code == kEventScrollToCode) {
        SetScrollPosition(value);
    } else if (code == kMenuHidingCode) {
        NotifyParentWithCode(kMenuHidingCode, value);
    } else if (code == menuId_ || recordmenu::IsMouseEventGroup(code)) {
        OnMenuChoice(value);
    }
    // kEventCountChangedCode changes nothing: the rows moved with the deletion itself.
}

void CTavMacroCtrl::OnMenuChoice(int entryId) {
    // A delay being typed belongs to the event it was opened on, before the choice moves things.
    CommitDelayEditor();
    switch (entryId) {
        case recordmenu::kStartBefore:
            insertMode_ = InsertMode::AfterSelection;
            MoveSelectionBack();
            NotifyParentWithCode(kStartRecordingCode, entryId);
            break;
        case recordmenu::kStartAfter:
            insertMode_ = InsertMode::AfterSelection;
            NotifyParentWithCode(kStartRecordingCode, entryId);
            break;
        case recordmenu::kInsertDelay:
        case recordmenu::kEditDelay:
            OpenDelayEditor();
            break;
        case recordmenu::kDelete:
            if (CMacro* macro = CurrentMacro()) {
                macro->DeleteSelectedEvent();
            }
            break;
        default:
            InsertMouseEvent(entryId);
            break;
    }
    update();
}

void CTavMacroCtrl::InsertMouseEvent(int entryId) {
    using Adds = recordmenu::MouseEventEntry::Adds;
    const recordmenu::MouseEventEntry* entry = recordmenu::FindMouseEventEntry(entryId);
    CMacro* macro = CurrentMacro();
    if (entry == nullptr || macro == nullptr) {
        return;
    }
    // Inserted events always go after the selection, whatever recording last used.
    if (entry->adds != Adds::Release) {
        macro->AddEvent(entry->type, entry->code, kEventPress, 0, InsertMode::AfterSelection);
    }
    if (entry->adds != Adds::Press) {
        macro->AddEvent(entry->type, entry->code, kEventRelease, 0, InsertMode::AfterSelection);
    }
}

void CTavMacroCtrl::MoveSelectionBack() {
    CMacro* macro = CurrentMacro();
    if (macro == nullptr) {
        return;
    }
    // Each selected event hands its selection to the one before it; the first one's is dropped,
    // so recording then starts at the front.
    std::vector<CEventItem>& events = macro->events;
    for (std::size_t i = 0; i < events.size(); ++i) {
        const bool selected = i + 1 < events.size() && events[i + 1].IsSelected();
        events[i].selected = selected ? 1 : 0;
    }
}

void CTavMacroCtrl::OpenDelayEditor() {
    CMacro* macro = CurrentMacro();
    const auto selected = macro != nullptr ? macro->FirstSelected() : std::nullopt;
    if (!selected) {
        // No event to give a delay to.
        return;
    }
    if (delayEditor_ == nullptr) {
        delayEditor_ = new CTavEdit(this);
        delayEditor_->SetDigitsOnly(true);
        delayEditor_->setMaxLength(kDelayEditorMaxLength);
        delayEditor_->SetFontHeight(kDelayEditorFontHeight);
    }
    const IntRect row = macro->events[*selected].rect;
    OpenInlineEditor(*delayEditor_,
                     QRect(row.left + kDelayEditorLeft, row.top + 2,
                           kDelayEditorRight - kDelayEditorLeft, row.bottom - row.top - 2));
}

bool CTavMacroCtrl::CommitDelayEditor() {
    const std::optional<QString> typed = CloseInlineEditor(delayEditor_);
    if (!typed) {
        return false;
    }
    // Nothing typed leaves the delay as it was.
    CMacro* macro = CurrentMacro();
    const auto selected = macro != nullptr ? macro->FirstSelected() : std::nullopt;
    if (!typed->isEmpty() && selected) {
        macro->events[*selected].delay = DelayFromText(typed->toStdU16String());
    }
    update();
    return true;
}

void CTavMacroCtrl::SelectEventAt(const QPoint& point) {
    CMacro* macro = CurrentMacro();
    if (macro == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < macro->events.size(); ++i) {
        if (macro->events[i].rect.Contains(point.x(), point.y())) {
            macro->SelectOnly(i);
            return;
        }
    }
}

void CTavMacroCtrl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawImageScaled(painter, background_, rect());
    const CMacro* macro = macros_.CurrentMacro();
    if (macro == nullptr) {
        return;
    }
    painter.setClipRect(QRect(0, 0, width() - kScrollBand, height()));
    for (const CEventItem& event : macro->events) {
        PaintEventRow(painter, event, font_);
    }
}

void CTavMacroCtrl::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    event->accept();
    if (event->button() == Qt::RightButton) {
        if (recording_ || menu_ == nullptr) {
            return;
        }
        if (menu_->isVisible()) {
            menu_->Close();
        }
        const QPoint at = event->globalPosition().toPoint();
        menu_->Popup(PopupMenu::kPlacementTopLeft, at.x(), at.y());
        return;
    }
    if (event->button() != Qt::LeftButton || CommitDelayEditor()) {
        return;
    }
    SelectEventAt(event->position().toPoint());
    update();
}

void CTavMacroCtrl::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    SelectEventAt(event->position().toPoint());
    update();
}

void CTavMacroCtrl::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    // The menus never take the focus, so losing it means the user went elsewhere.
    if (menu_ != nullptr && menu_->isVisible()) {
        menu_->Close();
    }
    update();
}

}  // namespace orvex::ui
