#pragma once

#include <ostream>

namespace orvex::cli {

// A one-line bar redrawn in place; silent when there is no stream (not a terminal).
class ProgressBar {
  public:
    ProgressBar(std::ostream* out, int total) : out_(out), total_(total) { Draw(); }

    // Clears the bar so a line of output can be written where it stood; Step draws it again.
    void Erase();
    void Step();

  private:
    void Draw();

    std::ostream* out_;
    int total_;
    int done_ = 0;
};

}  // namespace orvex::cli
