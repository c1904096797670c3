#pragma once

namespace orvex::ui {

// A control notification carries (code, value). The code is the sender's control identifier, or
// one of the reserved codes below; these numbers are shared with every window of the program and
// must not change. Control identifiers are chosen so that they never collide with them.

// A window of an open pop-up menu chain is hiding: value kMenuHidingBefore just before it hides,
// kMenuHidingAfter just after. It travels up through controls and pages to the main window, which
// stays top-most while a menu is open.
inline constexpr int kMenuHidingCode = 2234;
inline constexpr int kMenuHidingBefore = 1;
inline constexpr int kMenuHidingAfter = 0;

// Values sent with the sender's own identifier.
inline constexpr int kEditTextChangedValue = 102;    // an edit's text changed (after the change)
inline constexpr int kStaticDoubleClickedValue = 1;  // a static was double-clicked

// Skinned lists to their page; the value is a row identifier.
inline constexpr int kRowSelectedCode = 103;  // 0 when no row is selected
inline constexpr int kRowDeletingCode = 104;  // the row is about to be deleted

// Macro objects to the event list: rows laid out (value: row count, the scroll maximum), the event
// count after a deletion, and the position to scroll to.
inline constexpr int kEventRowsLaidOutCode = 110;
inline constexpr int kEventCountChangedCode = 114;
inline constexpr int kEventScrollToCode = 115;

// The event list to the macro page: a start item of its record menu was chosen (value 1 or 2).
inline constexpr int kStartRecordingCode = 116;

}  // namespace orvex::ui
