#include "cli/ProgressBar.h"

#include <string>

namespace orvex::cli {
namespace {
constexpr int kWidth = 30;
}

void ProgressBar::Erase() {
    if (out_) {
        *out_ << "\r\033[K" << std::flush;
    }
}

void ProgressBar::Step() {
    ++done_;
    Draw();
}

void ProgressBar::Draw() {
    if (!out_ || total_ <= 0) {
        return;
    }
    const int filled = done_ * kWidth / total_;
    *out_ << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
          << std::string(static_cast<std::size_t>(kWidth - filled), ' ') << "] " << done_ << '/'
          << total_ << std::flush;
}

}  // namespace orvex::cli
