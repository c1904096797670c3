#pragma once

#include <QString>
#include <cstdint>

#include "core/macros/IntRect.h"

namespace orvex::ui {

// One row of the macro list: a macro's name and id.
struct CBoxItem {
    // 0x00BBGGRR, as the lists were always coloured: grey, and blue for the selected row.
    static constexpr std::uint32_t kNormalTextBgr = 0xBEBEBE;
    static constexpr std::uint32_t kSelectedTextBgr = 0x9D4D25;

    IntRect rect;
    QString text;
    bool selected = false;
    int id = 0;
};

}  // namespace orvex::ui
