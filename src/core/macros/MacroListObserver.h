#pragma once

namespace orvex {

class CMacro;

// What the macro model tells the event-list control that owns it: everything that changes what
// is drawn or where the list is scrolled. Every notice is optional; the defaults do nothing, so a
// model without a display (tests, the command line) needs no observer.
class MacroListObserver {
  public:
    virtual ~MacroListObserver() = default;

    // The rows or the names changed; redraw the event list.
    virtual void OnRepaint() {}

    // Notice 110: the rows of the shown macro were laid out again; `maximum` is its event count.
    // The control makes it the scroll maximum and scrolls there.
    virtual void OnScrollMaximum(int maximum) { (void)maximum; }

    // Notice 114: an event was deleted; `count` is how many are left. Informational only.
    virtual void OnEventCount(int count) { (void)count; }

    // Notice 115: scroll so that row `position` is shown.
    virtual void OnScrollPosition(int position) { (void)position; }

    // A macro became the current one: the control sets its scroll range from the macro's event
    // count, puts the position at the minimum and repaints.
    virtual void OnMacroShown(const CMacro& macro) { (void)macro; }

    // A new, empty macro was added: the control resets its scroll range.
    virtual void OnMacroAdded(const CMacro& macro) { (void)macro; }
};

// The observer of a model nobody displays.
MacroListObserver& SilentMacroListObserver();

}  // namespace orvex
