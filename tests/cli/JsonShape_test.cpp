#include "cli/JsonShape.h"

#include <gtest/gtest.h>

#include <string>

namespace orvex::cli {
namespace {

std::string Nested(std::size_t levels) {
    return std::string(levels, '[') + std::string(levels, ']');
}

std::string ArrayOf(std::size_t values) {
    std::string text = "[0";
    for (std::size_t i = 1; i < values; ++i) {
        text += ",0";
    }
    return text + "]";
}

TEST(JsonShapeTest, NestingAndValuesPastTheLimitsAreNamedWithTheirByte) {
    const struct {
        std::string text;
        const char* problem;  // nullptr: within the limits
    } cases[] = {
        {Nested(kMaxJsonDepth), nullptr},
        {Nested(kMaxJsonDepth + 1), "nested deeper than 32 levels at byte 32"},
        {Nested(100'000), "nested deeper than 32 levels at byte 32"},
        {R"({"a":)" + Nested(kMaxJsonDepth) + "}", "nested deeper than 32 levels at byte 36"},
        // Brackets, braces and commas inside strings, escaped quotes included, are text.
        {R"({"name": ")" + std::string(100, '[') + R"(\"[,{"})", nullptr},
        {R"(["\\", [[]]])", nullptr},
        {ArrayOf(kMaxJsonValues - 1), nullptr},
        {ArrayOf(kMaxJsonValues + 1), "more than 250000 values at byte 500000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 60));
        const auto problem = JsonShapeProblem(c.text);
        if (c.problem == nullptr) {
            EXPECT_FALSE(problem.has_value()) << *problem;
        } else {
            EXPECT_EQ(problem.value_or("(none)"), c.problem);
        }
    }
}

}  // namespace
}  // namespace orvex::cli
