#include "core/macros/CMacro.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/macros/RecordingObserver.h"

namespace orvex {
namespace {

constexpr IntRect kArea{0, 0, 200, 199};

// A macro whose events carry the codes given, with the event at `selected` (if any) selected.
CMacro MacroWithCodes(const std::vector<std::int16_t>& codes, int selected) {
    CMacro macro(16, u"Macro", kArea);
    for (const std::int16_t code : codes) {
        macro.AddEvent(kKeyEventType, code, kEventPress, 0, InsertMode::Append);
    }
    for (std::size_t i = 0; i < macro.events.size(); ++i) {
        macro.events[i].selected = static_cast<int>(i) == selected ? 1 : 0;
    }
    return macro;
}

std::vector<std::int16_t> Codes(const CMacro& macro) {
    std::vector<std::int16_t> codes;
    for (const CEventItem& event : macro.events) {
        codes.push_back(event.code);
    }
    return codes;
}

std::vector<int> SelectedRows(const CMacro& macro) {
    std::vector<int> rows;
    for (std::size_t i = 0; i < macro.events.size(); ++i) {
        if (macro.events[i].IsSelected()) {
            rows.push_back(static_cast<int>(i));
        }
    }
    return rows;
}

struct InsertCase {
    const char* what;
    std::vector<std::int16_t> before;
    int selected;  // -1: none
    InsertMode mode;
    std::vector<std::int16_t> after;  // the new event has code 99
    int newRow;
};

TEST(CMacroAddEvent, InsertModes) {
    const InsertCase cases[] = {
        {"append to empty", {}, -1, InsertMode::Append, {99}, 0},
        {"append ignores selection", {1, 2, 3}, 0, InsertMode::Append, {1, 2, 3, 99}, 3},
        {"after the selection", {1, 2, 3}, 1, InsertMode::AfterSelection, {1, 2, 99, 3}, 2},
        {"after the last", {1, 2, 3}, 2, InsertMode::AfterSelection, {1, 2, 3, 99}, 3},
        {"no selection: front", {1, 2, 3}, -1, InsertMode::AfterSelection, {99, 1, 2, 3}, 0},
        {"empty macro", {}, -1, InsertMode::AfterSelection, {99}, 0},
    };
    for (const InsertCase& c : cases) {
        CMacro macro = MacroWithCodes(c.before, c.selected);
        testing::RecordingObserver observer;
        macro.SetOwner(&observer);

        macro.AddEvent(kKeyEventType, 99, kEventRelease, 25, c.mode);

        EXPECT_EQ(Codes(macro), c.after) << c.what;
        EXPECT_EQ(SelectedRows(macro), std::vector<int>{c.newRow}) << c.what;
        const CEventItem& added = macro.events[static_cast<std::size_t>(c.newRow)];
        EXPECT_EQ(added.release, kEventRelease);
        EXPECT_EQ(added.delay, 25);
        EXPECT_EQ(added.serial, static_cast<int>(c.before.size()) + 1) << c.what;
        EXPECT_EQ(observer.notices,
                  (std::vector<std::string>{"110 " + std::to_string(c.after.size()),
                                            "115 " + std::to_string(c.newRow)}))
            << c.what;
    }
}

TEST(CMacroAddEvent, ConsecutiveInsertionsAfterTheSelectionKeepTheirOrder) {
    CMacro macro = MacroWithCodes({1, 2, 3, 4, 5}, 1);
    for (const std::int16_t code : {std::int16_t{65}, std::int16_t{66}, std::int16_t{67}}) {
        macro.AddEvent(kKeyEventType, code, kEventPress, 0, InsertMode::AfterSelection);
    }
    EXPECT_EQ(Codes(macro), (std::vector<std::int16_t>{1, 2, 65, 66, 67, 3, 4, 5}));
}

TEST(CMacroAddEvent, SerialFollowsTheLargestAsUnsigned) {
    CMacro macro = MacroWithCodes({1, 2}, -1);
    macro.events[0].serial = 40;
    macro.events[1].serial = 7;
    macro.AddEvent(kKeyEventType, 3, kEventPress, 0, InsertMode::Append);
    EXPECT_EQ(macro.events.back().serial, 41);

    macro.events[1].serial = -1;  // 0xFFFFFFFF is the largest; the next wraps to 0
    macro.AddEvent(kKeyEventType, 4, kEventPress, 0, InsertMode::Append);
    EXPECT_EQ(macro.events.back().serial, 0);
}

TEST(CMacroAddEvent, RowsAreLaidOutInTheArea) {
    CMacro macro = MacroWithCodes({1, 2, 3}, -1);
    EXPECT_EQ(macro.events[0].rect, (IntRect{4, 5, 198, 23}));
    EXPECT_EQ(macro.events[2].rect, (IntRect{4, 41, 198, 59}));
}

struct DeleteCase {
    const char* what;
    std::vector<std::int16_t> before;
    std::vector<int> selected;
    std::vector<std::int16_t> after;
    std::vector<int> selectedAfter;
};

TEST(CMacroDeleteSelectedEvent, RemovesTheFirstSelectedAndMovesTheSelection) {
    const DeleteCase cases[] = {
        {"last of three", {1, 2, 3}, {2}, {1, 2}, {0}},
        {"first of three", {1, 2, 3}, {0}, {2, 3}, {0}},
        {"middle of three", {1, 2, 3}, {1}, {1, 3}, {1}},
        {"only event", {1}, {0}, {}, {}},
        {"nothing selected", {1, 2, 3}, {}, {1, 2, 3}, {}},
        {"one per call", {1, 2, 3}, {0, 2}, {2, 3}, {0, 1}},
    };
    for (const DeleteCase& c : cases) {
        CMacro macro = MacroWithCodes(c.before, -1);
        for (const int row : c.selected) {
            macro.events[static_cast<std::size_t>(row)].selected = 1;
        }
        macro.DeleteSelectedEvent();
        EXPECT_EQ(Codes(macro), c.after) << c.what;
        EXPECT_EQ(SelectedRows(macro), c.selectedAfter) << c.what;
    }
}

TEST(CMacroDeleteSelectedEvent, RowsBelowMoveUpAndTheControlIsTold) {
    CMacro macro = MacroWithCodes({1, 2, 3}, 0);
    testing::RecordingObserver observer;
    macro.SetOwner(&observer);

    macro.DeleteSelectedEvent();
    EXPECT_EQ(macro.events[0].rect, (IntRect{4, 5, 198, 23}));
    EXPECT_EQ(macro.events[1].rect, (IntRect{4, 23, 198, 41}));
    EXPECT_EQ(observer.notices, std::vector<std::string>{"114 2"});

    macro.SelectOnly(1);  // the last: the list scrolls back to the top
    macro.DeleteSelectedEvent();
    EXPECT_EQ(observer.notices, (std::vector<std::string>{"114 2", "114 1", "115 0"}));
}

TEST(CMacro, HasOnlyPresses) {
    CMacro macro = MacroWithCodes({}, -1);
    EXPECT_FALSE(macro.HasOnlyPresses());
    macro.AddEvent(kKeyEventType, 162, kEventPress, 0, InsertMode::Append);
    macro.AddEvent(kKeyEventType, 67, kEventPress, 0, InsertMode::Append);
    EXPECT_TRUE(macro.HasOnlyPresses());
    macro.AddEvent(kKeyEventType, 67, kEventRelease, 0, InsertMode::Append);
    EXPECT_FALSE(macro.HasOnlyPresses());
    macro.ClearEvents();
    EXPECT_TRUE(macro.events.empty());
}

TEST(CMacro, ScrollingMovesEveryRowByTheSameAmount) {
    CMacro macro(16, u"Long", IntRect{0, 0, 200, 90});  // five visible rows
    for (int i = 0; i < 8; ++i) {
        macro.AddEvent(kKeyEventType, 65, kEventPress, 0, InsertMode::Append);
    }
    ASSERT_EQ(macro.VisibleRowCount(), 5);

    macro.ScrollRowsTo(7);  // row 7 ends at the bottom of the area
    EXPECT_EQ(macro.events[7].rect.bottom, 90);
    EXPECT_EQ(macro.events[0].rect.bottom - macro.events[0].rect.top, 18);
    EXPECT_EQ(macro.events[1].rect.top - macro.events[0].rect.top, 18);

    macro.ScrollRowsTo(0);  // the top: the fifth row ends at the bottom, the first is whole
    EXPECT_EQ(macro.events[4].rect.bottom, 90);
    EXPECT_EQ(macro.events[0].rect.top, 0);

    macro.ScrollRowsTo(100);
    EXPECT_EQ(macro.events[7].rect.bottom, 90);
}

TEST(CMacro, RowsThatFitTakeTheirStandardPlacesAgainAfterADeletion) {
    CMacro macro = MacroWithCodes({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}, 12);
    macro.ScrollRowsTo(12);
    ASSERT_NE(macro.events[0].rect, macro.StandardRowRect(0));
    macro.DeleteSelectedEvent();
    macro.DeleteSelectedEvent();
    macro.DeleteSelectedEvent();
    macro.ScrollRowsTo(0);
    EXPECT_EQ(macro.events[0].rect, macro.StandardRowRect(0));
}

TEST(CMacro, ProfileCopyCarriesOnlyTheEvents) {
    CMacro macro = MacroWithCodes({65, 66}, 1);
    macro.events[1].delay = 120;
    macro.events[1].release = kEventRelease;

    const ProfileMacro copy = macro.ToProfileMacro();
    EXPECT_EQ(copy.name, u"Macro");
    EXPECT_EQ(copy.id, 16);
    EXPECT_EQ(copy.events, (std::vector<CMacroEvent>{{kKeyEventType, 65, kEventPress, 0},
                                                     {kKeyEventType, 66, kEventRelease, 120}}));
}

}  // namespace
}  // namespace orvex
