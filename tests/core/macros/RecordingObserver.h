#pragma once

#include <string>
#include <vector>

#include "core/macros/CMacro.h"
#include "core/macros/MacroListObserver.h"

namespace orvex::testing {

// Keeps every notice of the macro model as a line, e.g. "115 2" or "shown 16".
class RecordingObserver : public MacroListObserver {
  public:
    void OnRepaint() override { notices.push_back("repaint"); }
    void OnScrollMaximum(int maximum) override { Add("110", maximum); }
    void OnEventCount(int count) override { Add("114", count); }
    void OnScrollPosition(int position) override { Add("115", position); }
    void OnMacroShown(const CMacro& macro) override { Add("shown", macro.id); }
    void OnMacroAdded(const CMacro& macro) override { Add("added", macro.id); }

    std::vector<std::string> notices;

  private:
    void Add(const char* what, int value) {
        notices.push_back(std::string(what) + " " + std::to_string(value));
    }
};

}  // namespace orvex::testing
