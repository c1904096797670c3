#include <QTest>

#include "ui/layout/MouseSettingsLayout.h"
#include "x11/FunctionMenusUnderTest.h"

namespace orvex::testing {

namespace ms = ui::layout::mousesettings;

QString FunctionMenusUnderTest::OpenFunctionMenu(std::size_t button) const {
    ClickOnPage(ms::kFunctions[button]);
    const QStringList menus = MenuWindows();
    EXPECT_EQ(menus.size(), 1) << "the menu of button " << button;
    return menus.value(0);
}

void FunctionMenusUnderTest::ChooseEntry(std::size_t button, int entry) const {
    const QString menu = OpenFunctionMenu(button);
    ASSERT_FALSE(menu.isEmpty());
    PointAtEntry(menu, kFunctionMenuEntries, entry, true);
    ASSERT_TRUE(QTest::qWaitFor([] { return MenuWindows().isEmpty(); }, kStartMs));
}

void FunctionMenusUnderTest::ChooseFirstMacro(std::size_t button) const {
    const QString menu = OpenFunctionMenu(button);
    ASSERT_FALSE(menu.isEmpty());
    PointAtEntry(menu, kFunctionMenuEntries, kRecordMacroEntry, false);
    ASSERT_TRUE(QTest::qWaitFor([] { return MenuWindows().size() == 2; }, kStartMs))
        << "the macro list opens beside its entry";
    QStringList menus = MenuWindows();
    menus.removeAll(menu);
    PointAtEntry(menus.front(), 1, 0, true);
    ASSERT_TRUE(QTest::qWaitFor([] { return MenuWindows().isEmpty(); }, kStartMs));
}

}  // namespace orvex::testing
