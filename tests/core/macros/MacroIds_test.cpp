#include "core/macros/MacroIds.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvex {
namespace {

struct IdCase {
    const char* what;
    std::vector<std::int32_t> ids;
    std::int32_t next;
};

TEST(MacroIds, NextId) {
    const IdCase cases[] = {
        {"first macro", {}, 16},
        {"one past the largest", {16, 40}, 41},
        {"order does not matter", {40, 16, 17}, 41},
        {"function codes are not macro ids", {3, 15}, 16},
        {"largest bindable id taken: smallest free", {16, 17, 32767}, 18},
        {"negative id from a file counts as huge", {-1, 16}, 17},
        {"beyond what a binding holds", {16, 70000}, 17},
    };
    for (const IdCase& c : cases) {
        EXPECT_EQ(NextMacroId(c.ids), c.next) << c.what;
    }
}

TEST(MacroIds, NoBindableIdLeft) {
    std::vector<std::int32_t> ids;
    for (std::int32_t id = kFirstMacroId; id <= kLastMacroId; ++id) {
        ids.push_back(id);
    }
    EXPECT_EQ(NextMacroId(ids), 0);
}

}  // namespace
}  // namespace orvex
