#include "platform/linux/GnomePointerSettings.h"

#include <gio/gio.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <random>
#include <string>

namespace orvex::platform {
namespace {

constexpr const char* kGroup = "org/gnome/desktop/peripherals/mouse";

// GSettings writes to a key file in a temporary folder instead of the desktop's own store. GLib
// takes both variables once per process, so the whole test program shares the folder; it goes
// when the program ends.
class SettingsFolder {
  public:
    SettingsFolder() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("orvex-gsettings-" + std::to_string(random()));
        std::filesystem::create_directories(path_);
        ::setenv("XDG_CONFIG_HOME", path_.c_str(), 1);
        ::setenv("GSETTINGS_BACKEND", "keyfile", 1);
    }
    ~SettingsFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

const SettingsFolder& Folder() {
    static const SettingsFolder folder;
    return folder;
}

class GnomePointerSettingsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { Folder(); }

    void SetUp() override {
        GSettingsSchemaSource* source = g_settings_schema_source_get_default();
        GSettingsSchema* schema = source ? g_settings_schema_source_lookup(
                                               source, GnomePointerSettings::kMouseSchema, TRUE)
                                         : nullptr;
        if (schema == nullptr) {
            GTEST_SKIP() << "the GNOME mouse settings schema is not installed "
                            "(Debian package gsettings-desktop-schemas)";
        }
        g_settings_schema_unref(schema);
    }

    // The value as the key file holds it, in GVariant text form.
    static std::string Stored(const char* key) {
        GKeyFile* file = g_key_file_new();
        std::string value;
        const auto keyFile = Folder().path() / "glib-2.0" / "settings" / "keyfile";
        if (g_key_file_load_from_file(file, keyFile.c_str(), G_KEY_FILE_NONE, nullptr)) {
            gchar* text = g_key_file_get_value(file, kGroup, key, nullptr);
            value = text ? text : "";
            g_free(text);
        }
        g_key_file_free(file);
        return value;
    }
};

TEST_F(GnomePointerSettingsTest, WritesDoubleClickSpeedAndAccelerationProfile) {
    struct Case {
        int doubleClickMs;
        int pointerSpeed;
        bool accelerationEnabled;
        const char* doubleClick;
        double speed;
        const char* profile;
    };
    const Case cases[] = {
        {500, 20, true, "500", 1.0, "'adaptive'"},
        {800, 10, false, "800", 0.0, "'flat'"},
        {1400, 2, true, "1400", -0.8, "'adaptive'"},
    };
    for (const Case& c : cases) {
        PointerSettingsRequest request;
        request.doubleClickMs = c.doubleClickMs;
        request.pointerSpeed = c.pointerSpeed;
        request.accelerationEnabled = c.accelerationEnabled;
        request.accelerationLevel = 3;

        const PointerSettingsOutcome outcome = GnomePointerSettings().Apply(request);

        SCOPED_TRACE("pointer speed " + std::to_string(c.pointerSpeed));
        EXPECT_TRUE(outcome.doubleClick);
        EXPECT_TRUE(outcome.speed);
        EXPECT_TRUE(outcome.acceleration);
        EXPECT_FALSE(outcome.scrollLines);
        EXPECT_EQ(Stored("double-click"), c.doubleClick);
        EXPECT_DOUBLE_EQ(g_ascii_strtod(Stored("speed").c_str(), nullptr), c.speed);
        EXPECT_EQ(Stored("accel-profile"), c.profile);
    }
}

TEST_F(GnomePointerSettingsTest, WhatCannotBeAppliedIsReportedAsSkipped) {
    PointerSettingsRequest request;
    request.doubleClickMs = 600;
    EXPECT_TRUE(GnomePointerSettings().Apply(request).doubleClick);

    // A double-click time of no length is no time at all: the old one stays.
    request.doubleClickMs = 0;
    EXPECT_FALSE(GnomePointerSettings().Apply(request).doubleClick);
    EXPECT_EQ(Stored("double-click"), "600");

    // A desktop without the schema: nothing applied, and GSettings must not abort the program.
    const PointerSettingsOutcome missing =
        GnomePointerSettings("org.example.no-such-schema").Apply(request);
    EXPECT_FALSE(missing.doubleClick || missing.speed || missing.acceleration ||
                 missing.scrollLines);
}

TEST(GnomePointerSpeed, TenIsNeutralAndTheEndsAreClamped) {
    const std::pair<int, double> cases[] = {{10, 0.0}, {2, -0.8}, {15, 0.5},
                                            {20, 1.0}, {0, -1.0}, {40, 1.0}};
    for (const auto& [pointerSpeed, speed] : cases) {
        EXPECT_DOUBLE_EQ(GnomePointerSettings::SpeedFromPointerSpeed(pointerSpeed), speed)
            << "pointer speed " << pointerSpeed;
    }
}

}  // namespace
}  // namespace orvex::platform
