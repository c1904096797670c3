// Showing a profile and writing it straight back changes nothing, for generated profiles whose
// values are among those the page writes, also with slot and page switches in between.
#include <random>

#include "MouseSettingsRig.h"
#include "core/buttons/ButtonFunction.h"

namespace orvex::ui::testing {
namespace {

constexpr std::uint32_t kSeed = 0x0B5E55;
constexpr int kRecords = 40;
constexpr std::array<std::int16_t, 4> kIntervals{1, 2, 4, 8};

class ProfileGenerator {
  public:
    explicit ProfileGenerator(std::vector<ProfileMacro> macros) : macros_(std::move(macros)) {}

    ProfileRecord Next() {
        ProfileRecord record = MakeDefaultProfile();
        for (std::size_t b = 0; b < kButtonCount; ++b) {
            FillBinding(record, b);
        }
        record.reportInterval = kIntervals[Pick(kIntervals.size())];
        record.doubleClickSetting = static_cast<std::int16_t>(200 * Between(1, 7));
        record.scrollLines = static_cast<std::int16_t>(Between(1, 6));
        record.accelerationEnabled = Between(0, 1);
        record.accelerationLevel = static_cast<std::int16_t>(Between(1, 3));
        // Settings of other pages ride along untouched.
        record.pointerSpeed = static_cast<std::uint8_t>(Between(1, 10));
        record.lightingEffect = Between(1, 4);
        return record;
    }

  private:
    void FillBinding(ProfileRecord& record, std::size_t b) {
        ButtonBinding& binding = record.buttons[b];
        int code = 7;
        while (!ButtonFunctionFromCode(code)) {
            code = Between(0, 15);
        }
        binding.code = static_cast<std::uint8_t>(code);
        // Whatever a plain function carries beside it stays.
        binding.param = static_cast<std::int16_t>(Between(-40, 300));
        if (code == ToCode(ButtonFunction::SingleKey)) {
            binding.param = static_cast<std::int16_t>(Between(1, 255));
        } else if (code == ToCode(ButtonFunction::RecordMacro)) {
            const ProfileMacro& macro = macros_[Pick(macros_.size())];
            binding.param = static_cast<std::int16_t>(macro.id);
            record.buttonMacros[b] = macro;
        } else if (Between(0, 3) == 0) {
            // A copy left from an earlier binding is not the page's to touch.
            record.buttonMacros[b] = macros_[Pick(macros_.size())];
        }
    }

    int Between(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }
    std::size_t Pick(std::size_t count) {
        return static_cast<std::size_t>(Between(0, static_cast<int>(count) - 1));
    }

    std::vector<ProfileMacro> macros_;
    std::mt19937 random_{kSeed};
};

// The macros the generated profiles are bound to, put into `list`; returns their copies.
std::vector<ProfileMacro> AddMacroSet(MacroList& list) {
    const std::vector<std::pair<std::int32_t, std::u16string>> macros{
        {16, u"Reload"}, {17, u"Sprint"}, {300, u"Build & rush"}, {32767, u"Last"}};
    std::vector<ProfileMacro> copies;
    for (const auto& [id, name] : macros) {
        CMacro& macro = list.AddMacro(id, name);
        for (int event = 0; event < id % 7 + 1; ++event) {
            macro.AddEvent(0, static_cast<std::int16_t>('A' + event),
                           static_cast<std::uint8_t>(event % 2), event * 10, InsertMode::Append);
        }
        copies.push_back(macro.ToProfileMacro());
    }
    return copies;
}

using MouseSettingsRoundTrip = MouseSettingsTest;

TEST_F(MouseSettingsRoundTrip, SavingRightAfterShowingGivesTheSameRecord) {
    MakeWindowWithMousePage(/*withMacroList=*/true);
    ProfileGenerator generate(AddMacroSet(macroList()));
    CMouseSettingsDlg& page = mousePage();
    for (int i = 0; i < kRecords; ++i) {
        const ProfileRecord record = generate.Next();
        page.LoadFromProfile(record);
        ProfileRecord saved = record;
        page.SaveToProfile(saved);
        ASSERT_EQ(saved, record) << "record " << i;
    }
}

TEST_F(MouseSettingsRoundTrip, SlotAndPageSwitchesInBetweenChangeNoSlot) {
    MacroList scratch;
    ProfileGenerator generate(AddMacroSet(scratch));
    std::mt19937 walk(kSeed + 1);
    // Each window loads five generated slot files.
    for (int round = 0; round < kRecords / kSlotCount; ++round) {
        SCOPED_TRACE(::testing::Message() << "round " << round);
        std::array<ProfileRecord, kSlotCount> written;
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            written[static_cast<std::size_t>(slot - 1)] = generate.Next();
            WriteSlotFile(slot, written[static_cast<std::size_t>(slot - 1)]);
        }
        MakeWindowWithMousePage(/*withMacroList=*/true);
        AddMacroSet(macroList());
        std::array<ProfileRecord, kSlotCount> loaded;
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            loaded[static_cast<std::size_t>(slot - 1)] = window->record(slot);
            ASSERT_EQ(loaded[static_cast<std::size_t>(slot - 1)].buttons,
                      written[static_cast<std::size_t>(slot - 1)].buttons);
        }

        for (int step = 0; step < 24; ++step) {
            const int target =
                std::uniform_int_distribution(0, kSlotCount + CTESKDlg::kPageCount - 1)(walk);
            if (target < kSlotCount) {
                window->SelectSlot(target + 1);
            } else {
                window->SelectPage(target - kSlotCount);
            }
        }
        window->SelectSlot(window->currentSlot());
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            EXPECT_EQ(window->record(slot), loaded[static_cast<std::size_t>(slot - 1)]) << slot;
        }
        window.reset();
    }
}

}  // namespace
}  // namespace orvex::ui::testing
