// The macro list on its own, reporting to a parent that records what it hears.
#include "ui/macros/CTavListBox.h"

#include <gtest/gtest.h>

#include <QTest>

#include "ui/DefaultSkinSet.h"
#include "ui/TestServices.h"
#include "ui/macros/IntRectQt.h"
#include "ui/skin/CTavEdit.h"
#include "ui/skin/CTavScrollCtrl.h"
#include "ui/skin/NotificationCodes.h"
#include "ui/skin/RecordingParent.h"
#include "ui/skin/SkinImageSet.h"

namespace orvex::ui::testing {
namespace {

const Notification Selected(int id) {
    return {kRowSelectedCode, id};
}
const Notification Deleting(int id) {
    return {kRowDeletingCode, id};
}

class ListBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SkinImageSet::SetInstanceForTests(&DefaultSkinSet());
        parent.resize(300, 260);
        list = new CTavListBox(&parent);
        list->setGeometry(20, 20, 200, 199);
        list->CreateScrollBar();
        parent.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    }

    void AddRows(const std::vector<QString>& names) {
        for (const QString& name : names) {
            list->AddRow(name);
        }
        parent.notifications.clear();
    }

    std::vector<QString> Names() const {
        std::vector<QString> names;
        for (const CBoxItem& row : list->rows()) {
            names.push_back(row.text);
        }
        return names;
    }

    QString SelectedName() const {
        const CBoxItem* row = list->SelectedRow();
        return row != nullptr ? row->text : QString();
    }

    QPoint CentreOfRow(int index) const {
        return ToQRect(list->rows().at(static_cast<std::size_t>(index)).rect).center();
    }

    TestServices services;  // resets the skin seam when the test ends
    RecordingParent parent;
    CTavListBox* list = nullptr;
};

TEST_F(ListBoxTest, NewRowsTakeTheNextIdAUniqueNameAndTheSelection) {
    list->AddRow(QStringLiteral("Macro"));
    list->AddRow(QStringLiteral("Macro"));
    list->AddRow(QStringLiteral("Fire(x)"));
    list->AddRow(QStringLiteral("Fire(x)"));
    list->AddRow(QStringLiteral("Loaded"), 40);
    list->AddRow(QStringLiteral("Macro"));
    EXPECT_EQ(Names(), (std::vector<QString>{"Macro", "Macro(1)", "Fire(x)", "Fire(1)", "Loaded",
                                             "Macro(2)"}));
    EXPECT_EQ(list->rows().back().id, 41);
    EXPECT_EQ(parent.notifications,
              (std::vector<Notification>{Selected(16), Selected(17), Selected(18), Selected(19),
                                         Selected(40), Selected(41)}));
    EXPECT_EQ(SelectedName(), QStringLiteral("Macro(2)"));
}

struct DeleteCase {
    const char* what;
    std::vector<QString> rows;
    int selected;
    std::vector<Notification> heard;
    QString nowSelected;
};

TEST_F(ListBoxTest, DeletingTheSelectedRowSelectsTheOneInItsPlace) {
    const DeleteCase cases[] = {
        {"the middle of three", {"A", "B", "C"}, 1, {Deleting(17), Selected(18)}, "C"},
        {"the last of three", {"A", "B", "C"}, 2, {Deleting(18), Selected(17)}, "B"},
        {"the only row", {"A"}, 0, {Deleting(16), Selected(0)}, QString()},
        {"nothing selected", {}, -1, {}, QString()},
    };
    for (const DeleteCase& c : cases) {
        SCOPED_TRACE(c.what);
        while (list->SelectedRow() != nullptr) {
            list->DeleteSelectedRow();
        }
        AddRows(c.rows);
        if (c.selected >= 0) {
            QTest::mouseClick(list, Qt::LeftButton, {}, CentreOfRow(c.selected));
        }
        parent.notifications.clear();
        list->DeleteSelectedRow();
        EXPECT_EQ(parent.notifications, c.heard);
        EXPECT_EQ(SelectedName(), c.nowSelected);
    }
}

TEST_F(ListBoxTest, APressSelectsARowAndTheReleaseReportsIt) {
    AddRows({"A", "B", "C"});
    QTest::mousePress(list, Qt::LeftButton, {}, CentreOfRow(0));
    EXPECT_EQ(SelectedName(), QStringLiteral("A"));
    EXPECT_TRUE(parent.notifications.empty());
    QTest::mouseRelease(list, Qt::LeftButton, {}, CentreOfRow(0));
    EXPECT_EQ(parent.notifications, std::vector<Notification>{Selected(16)});
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(100, 190));
    EXPECT_EQ(SelectedName(), QStringLiteral("A")) << "a click below the rows changes nothing";
}

TEST_F(ListBoxTest, NewMacroOpensTheEditorAndASecondClickCommitsIt) {
    AddRows({"A"});
    list->NewMacroAction();
    CTavEdit* editor = list->nameEditor();
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->geometry().top(), list->rows().back().rect.bottom) << "below the last row";
    list->NewMacroAction();
    EXPECT_FALSE(editor->isVisible()) << "open and empty: the click only closes it";
    EXPECT_EQ(list->rows().size(), 1u);

    list->NewMacroAction();
    QTest::keyClicks(editor, QStringLiteral("Combo"));
    list->NewMacroAction();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(Names(), (std::vector<QString>{"A", "Combo"}));
    EXPECT_EQ(parent.notifications, std::vector<Notification>{Selected(17)});

    list->NewMacroAction();
    QTest::keyClicks(editor, QStringLiteral("Typed"));
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(100, 150));
    EXPECT_EQ(Names(), (std::vector<QString>{"A", "Combo", "Typed"}))
        << "a press on the list commits the name too";
}

TEST_F(ListBoxTest, TwelveMacrosShowTheScrollBarAndTheNewestRow) {
    for (int i = 0; i < 12; ++i) {
        list->AddRow(QStringLiteral("Macro"));
        const bool fits = list->rows().back().rect.bottom <= list->height();
        EXPECT_EQ(list->scrollBar()->isVisible(), i >= 10) << i;
        EXPECT_TRUE(fits) << "the newest row is shown, row " << i;
    }
    // The editor for a thirteenth opens at the bottom, clear of the scroll bar.
    list->NewMacroAction();
    const QRect editor = list->nameEditor()->geometry();
    EXPECT_LE(editor.bottom(), list->height());
    EXPECT_LE(editor.right(), list->scrollBar()->geometry().left());
    list->CommitNameEditor();

    // The up arrow goes to the top, the down arrow back to the newest row.
    CTavScrollCtrl* bar = list->scrollBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(12, 5));
    EXPECT_GE(list->rows().front().rect.top, 0);
    EXPECT_GT(list->rows().back().rect.bottom, list->height());
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(12, bar->height() - 5));
    EXPECT_EQ(list->rows().back().rect.bottom, list->height());

    while (list->rows().size() > 3) {
        list->DeleteSelectedRow();
    }
    EXPECT_FALSE(list->scrollBar()->isVisible());
    EXPECT_EQ(list->rows().front().rect, (IntRect{4, 5, 198, 23}));
}

}  // namespace
}  // namespace orvex::ui::testing
