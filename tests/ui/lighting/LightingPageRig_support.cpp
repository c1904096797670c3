#include <QTest>
#include <ostream>
#include <random>

#include "LightingPageRig.h"
#include "ui/lighting/CTavMouseStatic.h"

namespace orvex::ui::testing {

void PrintTo(const LightingValues& values, std::ostream* os) {
    *os << std::hex << "{zones 0x" << values.zones << ", effect 0x" << values.effect << ", wheel 0x"
        << values.wheelColour << ", logo 0x" << values.logoColour << "}" << std::dec;
}

LightingValues LightingOf(const ProfileRecord& record) {
    return {record.lightingZones, record.lightingEffect, record.zoneColours[0],
            record.zoneColours[3]};
}

void PutLighting(const LightingValues& values, ProfileRecord& record) {
    record.lightingZones = values.zones;
    record.lightingEffect = values.effect;
    record.zoneColours[0] = values.wheelColour;
    record.zoneColours[3] = values.logoColour;
}

std::vector<LightingValues> GeneratedLighting(std::uint32_t seed, std::size_t count) {
    static constexpr std::int32_t kZoneMasks[] = {0, 15, 16, 17, 24, 25};
    std::mt19937 random(seed);
    const auto pick = [&](std::uint32_t below) {
        return std::uniform_int_distribution<std::uint32_t>(0, below - 1)(random);
    };
    std::vector<LightingValues> values;
    for (std::size_t i = 0; i < count; ++i) {
        LightingValues v;
        v.zones = kZoneMasks[pick(std::size(kZoneMasks))];
        v.effect = static_cast<std::int32_t>(pick(5) + (pick(2) != 0 ? 16 : 0));
        v.wheelColour = pick(0x1000000);
        v.logoColour = pick(0x1000000);
        values.push_back(v);
    }
    return values;
}

void LightingPageTest::SetUp() {
    SkinImageSet::SetInstanceForTests(&DefaultSkinSet());
    page = std::make_unique<CColorSettingsDlg>(services.services, nullptr);
    page->fieldPollTimer().stop();
    page->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
}

void LightingPageTest::Click(int controlId) {
    QWidget* control = page->control(controlId);
    ASSERT_NE(control, nullptr) << controlId;
    ASSERT_TRUE(control->isVisible()) << controlId;
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

CTavMouseStatic& LightingPageTest::preview() const {
    return *page->preview();
}

void LightingPageTest::Load(const LightingValues& values) {
    ProfileRecord record;
    PutLighting(values, record);
    page->LoadFromProfile(record);
}

LightingValues LightingPageTest::Saved() const {
    ProfileRecord record;
    page->SaveToProfile(record);
    return LightingOf(record);
}

}  // namespace orvex::ui::testing
