#include "core/macros/UniqueMacroName.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvex {
namespace {

struct NameCase {
    std::u16string name;
    std::vector<std::u16string> others;
    std::u16string unique;
};

TEST(UniqueMacroName, NumbersAClashingNameUntilItIsFree) {
    const NameCase cases[] = {
        {u"Macro", {}, u"Macro"},
        {u"Macro", {u"Macro"}, u"Macro(1)"},
        {u"Macro", {u"Macro", u"Macro(1)", u"Macro(2)"}, u"Macro(3)"},
        {u"Macro(1)", {u"Macro(1)"}, u"Macro(2)"},
        {u"Fire(x)", {u"Fire(x)"}, u"Fire(1)"},
        {u"Fire(x)", {u"Fire(x)", u"Fire(1)"}, u"Fire(2)"},
        {u"macro", {u"Macro"}, u"macro"},  // letter case counts
        {u"A(7", {u"A(7"}, u"A(1)"},       // the last character is taken as the ")"
        {u"A(", {u"A("}, u"A(1)"},
        {u"A(09)", {u"A(09)"}, u"A(10)"},
        {u"A(3rd)", {u"A(3rd)"}, u"A(4)"},
        {u"A(99999999999999999999)", {u"A(99999999999999999999)"}, u"A(100000000000000000000)"},
        {u"(", {u"("}, u"(1)"},
    };
    for (const NameCase& c : cases) {
        EXPECT_EQ(UniqueMacroName(c.name, c.others), c.unique)
            << std::string(c.name.begin(), c.name.end());
    }
}

}  // namespace
}  // namespace orvex
