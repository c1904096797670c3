#include "platform/linux/X11PointerSettings.h"

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "x11/ServerPointerControl.h"
#include "x11/XvfbServer.h"

namespace orvex::testing {
namespace {

using X11PointerSettingsTest = XvfbTest;

TEST_F(X11PointerSettingsTest, EachLevelAndOffReachTheServer) {
    struct Case {
        bool enabled;
        int level;
        std::array<int, 3> control;
    };
    // Off last, so it is seen replacing an acceleration that was on.
    const Case cases[] = {
        {true, 1, {3, 2, 6}},
        {true, 2, {2, 1, 4}},
        {true, 3, {3, 1, 2}},
        {false, 3, {1, 1, 0}},
    };
    for (const Case& c : cases) {
        platform::PointerSettingsRequest request;
        request.accelerationEnabled = c.enabled;
        request.accelerationLevel = c.level;
        const platform::PointerSettingsOutcome outcome =
            platform::X11PointerSettings().Apply(request);
        EXPECT_TRUE(outcome.acceleration);
        EXPECT_FALSE(outcome.doubleClick || outcome.speed || outcome.scrollLines);
        EXPECT_EQ(ServerPointerAcceleration(), c.control)
            << (c.enabled ? "level " + std::to_string(c.level) : std::string("off"));
    }
}

TEST(X11PointerSettings, WithoutAnXServerNothingIsApplied) {
    const char* display = std::getenv("DISPLAY");
    const std::string saved = display != nullptr ? display : "";
    ::setenv("DISPLAY", ":65000", 1);
    platform::PointerSettingsRequest request;
    request.accelerationEnabled = true;
    EXPECT_FALSE(platform::X11PointerSettings().Apply(request).acceleration);
    ::setenv("DISPLAY", saved.c_str(), 1);
}

// The desktop's settings as the program makes them: GNOME's keys (in this test program's key
// file) and the X server's acceleration, together; scroll lines have no place.
TEST_F(X11PointerSettingsTest, TheDesktopSettingsApplyGnomeKeysAndServerAcceleration) {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    GSettingsSchema* schema = source ? g_settings_schema_source_lookup(
                                           source, "org.gnome.desktop.peripherals.mouse", TRUE)
                                     : nullptr;
    if (schema == nullptr) {
        GTEST_SKIP() << "the GNOME mouse settings schema is not installed";
    }
    platform::PointerSettingsRequest request;
    request.doubleClickMs = 650;
    request.pointerSpeed = 15;
    request.scrollLines = 7;
    request.accelerationEnabled = true;
    request.accelerationLevel = 2;

    const platform::PointerSettingsOutcome outcome =
        platform::MakeDesktopPointerSettings()->Apply(request);

    EXPECT_TRUE(outcome.doubleClick);
    EXPECT_TRUE(outcome.speed);
    EXPECT_TRUE(outcome.acceleration);
    EXPECT_FALSE(outcome.scrollLines);
    EXPECT_EQ(ServerPointerAcceleration(), (std::array<int, 3>{2, 1, 4}));
    GSettings* settings = g_settings_new_full(schema, nullptr, nullptr);
    EXPECT_EQ(g_settings_get_int(settings, "double-click"), 650);
    EXPECT_DOUBLE_EQ(g_settings_get_double(settings, "speed"), 0.5);
    gchar* profile = g_settings_get_string(settings, "accel-profile");
    EXPECT_STREQ(profile, "adaptive");
    g_free(profile);
    g_object_unref(settings);
    g_settings_schema_unref(schema);
}

}  // namespace
}  // namespace orvex::testing
