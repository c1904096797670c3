#pragma once

#include <QString>
#include <cstddef>

#include "x11/ProgramUnderTest.h"

namespace orvex::testing {

// The running program with the mouse page's function menus chosen from as a user does: a click
// on the button's function, then the entry (through the macro list for a macro).
class FunctionMenusUnderTest : public ProgramUnderTest {
  public:
    static constexpr int kFunctionMenuEntries = 9;
    static constexpr int kScrollUpEntry = 4;
    static constexpr int kSingleKeyEntry = 6;
    static constexpr int kRecordMacroEntry = 7;

  protected:
    // Opens the function menu of `button` (the mouse page must be shown); the new menu window.
    QString OpenFunctionMenu(std::size_t button) const;
    void ChooseEntry(std::size_t button, int entry) const;
    // Binds `button` to the first macro of the macro list.
    void ChooseFirstMacro(std::size_t button) const;
};

}  // namespace orvex::testing
