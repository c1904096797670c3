// The macro page in the main window: a confirmed delete makes the mouse page store and show the
// current profile again, so a button bound to the deleted macro falls back to its default at once.
#include <QTest>

#include "core/buttons/ButtonFunction.h"
#include "ui/app/MainWindowRig.h"
#include "ui/layout/MacroSettingsLayout.h"
#include "ui/macros/CMacroSettingsDlg.h"
#include "ui/macros/CTavListBox.h"
#include "ui/pages/ProgramPages.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/SkinImageSet.h"

namespace orvex::ui::testing {
namespace {

namespace mc = layout::macrosettings;

constexpr std::size_t kButton4 = 3;
constexpr std::uint8_t kRecordMacro = static_cast<std::uint8_t>(ButtonFunction::RecordMacro);

// Stands in for the mouse page where it meets the macros: it shows the record's bindings and,
// when it stores them, copies each bound macro out of the macro page's list, as the mouse page
// does; a macro gone from the list turns its button back to the default.
class BindingMousePage : public ProfilePage {
  public:
    BindingMousePage(const MacroList& macros, CallLog& calls, QWidget* parent)
        : ProfilePage(parent), macros_(macros), calls_(calls) {}

    void LoadFromProfile(const ProfileRecord& record) override {
        calls_.push_back("Load mouse");
        shown = record.buttons;
    }
    void SaveToProfile(ProfileRecord& record) override {
        calls_.push_back("Save mouse");
        for (ButtonBinding& binding : shown) {
            if (binding.code == kRecordMacro) {
                const std::optional<ProfileMacro> copy = macros_.CopyMacro(binding.param);
                StoreBindingMacro(copy ? &*copy : nullptr, binding, record);
            }
        }
        record.buttons = shown;
    }

    std::array<ButtonBinding, kButtonCount> shown{};

  private:
    const MacroList& macros_;
    CallLog& calls_;
};

class MacroPageInWindowTest : public MainWindowTest {
  protected:
    void MakeWindowWithTheMacroPage() {
        static SkinImageSet skin(QStringLiteral(ORVEX_DEFAULT_SKIN_DIR));
        SkinImageSet::SetInstanceForTests(&skin);
        const std::filesystem::path root(configRoot.path().toStdString());
        auto pages = [this, root](CTESKDlg::Page which, QWidget* parent) -> ProfilePage* {
            switch (which) {
                case CTESKDlg::kMacroPage:
                    macroPage = static_cast<CMacroSettingsDlg*>(
                        MakeMacroSettingsPage(services.services, DataFolder() / "Macros", parent));
                    return macroPage;
                case CTESKDlg::kMousePage:
                    mousePage = new BindingMousePage(*macroPage->macroList(), calls, parent);
                    return mousePage;
                default:
                    return new FakeDataPage("other", calls, parent);
            }
        };
        window = std::make_unique<CTESKDlg>(services.services, root, pages);
        window->pollTimer().stop();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // The macro folder the window starts with: "Fire" (16) and "Other" (17).
    void WriteMacroFolder() const {
        MacroList macros;
        macros.SetMacroFolder(DataFolder() / "Macros");
        macros.AddMacro(16, u"Fire").AddEvent(kKeyEventType, 'F', 0, 0, InsertMode::Append);
        macros.AddMacro(17, u"Other");
        ASSERT_TRUE(macros.SaveMacroList().ok);
    }

    static ProfileRecord BoundToMacro16() {
        ProfileRecord record = MakeDefaultProfile();
        record.buttons[kButton4].code = kRecordMacro;
        record.buttons[kButton4].param = 16;
        record.buttonMacros[kButton4].name = u"Fire";
        record.buttonMacros[kButton4].id = 16;
        record.buttonMacros[kButton4].events = {{kKeyEventType, 'F', 0, 0}};
        return record;
    }

    CMacroSettingsDlg* macroPage = nullptr;
    BindingMousePage* mousePage = nullptr;
};

TEST_F(MacroPageInWindowTest, DeletingTheMacroOfButton4GivesItsDefaultBackAtOnce) {
    WriteSlotFile(1, BoundToMacro16());
    WriteSlotFile(2, BoundToMacro16());
    WriteMacroFolder();
    MakeWindowWithTheMacroPage();
    ClickControl(window->slotButton(2));
    ClickControl(window->slotButton(1));
    window->SelectPage(CTESKDlg::kMacroPage);

    // The delete is declined first: nothing happens.
    QTest::mouseClick(macroPage->macroListBox(), Qt::LeftButton, {},
                      QPoint(50, macroPage->macroListBox()->rows().front().rect.top + 9));
    calls.clear();
    services.popups.QueueAnswers({2});
    ClickControl(macroPage->button(mc::kDeleteId));
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(window->record(1).buttons[kButton4].code, kRecordMacro);

    services.popups.QueueAnswers({1});
    ClickControl(macroPage->button(mc::kDeleteId));
    EXPECT_EQ(calls, (CallLog{"Save mouse", "Load mouse"}));
    const ButtonBinding& button4 = window->record(1).buttons[kButton4];
    EXPECT_EQ(button4.code, button4.defaultCode) << "button 4 is back to its default at once";
    EXPECT_EQ(mousePage->shown[kButton4].code, button4.defaultCode) << "and shows it";
    // Another profile keeps its copy until its bindings are stored again.
    EXPECT_EQ(window->record(2).buttons[kButton4].code, kRecordMacro);
    EXPECT_EQ(window->record(2).buttonMacros[kButton4].name, u"Fire");
}

}  // namespace
}  // namespace orvex::ui::testing
