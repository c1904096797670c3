#pragma once

class QFont;
class QPainter;

namespace orvex {
struct CEventItem;
}

namespace orvex::ui {

// Draws one row of the event list in its rectangle: a mouse event as a dash and its text, a key
// as a down (press) or up (release) mark and its name, then the delay ("250 ms"). A key without a
// name shows only its delay, at the row's start. Blue when selected, grey otherwise.
void PaintEventRow(QPainter& painter, const CEventItem& event, const QFont& font);

}  // namespace orvex::ui
