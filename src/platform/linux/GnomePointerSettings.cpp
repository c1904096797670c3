#define G_SETTINGS_ENABLE_BACKEND
#include "platform/linux/GnomePointerSettings.h"

#include <gio/gio.h>
#include <gio/gsettingsbackend.h>

#include <algorithm>
#include <memory>

namespace orvex::platform {
namespace {

struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
struct SchemaUnref {
    void operator()(GSettingsSchema* schema) const { g_settings_schema_unref(schema); }
};
struct SchemaKeyUnref {
    void operator()(GSettingsSchemaKey* key) const { g_settings_schema_key_unref(key); }
};

using SchemaPtr = std::unique_ptr<GSettingsSchema, SchemaUnref>;
using SettingsPtr = std::unique_ptr<GSettings, GObjectUnref>;

// GSettings aborts the program for a schema that is not installed, so the schema is looked up
// first and the settings are made from it.
SchemaPtr LookupSchema(const std::string& schemaId) {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (source == nullptr) {
        return nullptr;
    }
    return SchemaPtr(g_settings_schema_source_lookup(source, schemaId.c_str(), TRUE));
}

// Why settings written now would not be kept; empty when they would. GSettings' memory backend
// (where no settings store is installed) forgets them with the program; dconf writes through the
// session bus and, without one, prints a warning at every write and keeps nothing.
std::string WhySettingsAreNotKept() {
    GSettingsBackend* backend = g_settings_backend_get_default();
    const std::string type = G_OBJECT_TYPE_NAME(backend);
    g_object_unref(backend);
    if (type == "GMemorySettingsBackend") {
        return "GNOME: no settings store";
    }
    if (type == "DConfSettingsBackend") {
        GError* error = nullptr;
        GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &error);
        if (bus == nullptr) {
            std::string why = "GNOME: no session bus for dconf";
            if (error != nullptr) {
                why += std::string(": ") + error->message;
                g_error_free(error);
            }
            return why;
        }
        g_object_unref(bus);
    }
    return {};
}

// Writes one key when the schema has it with the value's type and range; GSettings would
// otherwise abort on a wrong type and warn on a value out of range. Takes the floating value.
bool WriteKey(GSettings* settings, GSettingsSchema* schema, const char* name, GVariant* value) {
    g_variant_ref_sink(value);
    bool written = false;
    if (g_settings_schema_has_key(schema, name)) {
        std::unique_ptr<GSettingsSchemaKey, SchemaKeyUnref> key(
            g_settings_schema_get_key(schema, name));
        written = g_variant_is_of_type(value, g_settings_schema_key_get_value_type(key.get())) &&
                  g_settings_schema_key_range_check(key.get(), value) &&
                  g_settings_set_value(settings, name, value);
    }
    g_variant_unref(value);
    return written;
}

}  // namespace

GnomePointerSettings::GnomePointerSettings(std::string schemaId) : schemaId_(std::move(schemaId)) {}

double GnomePointerSettings::SpeedFromPointerSpeed(int pointerSpeed) {
    return std::clamp((pointerSpeed - 10) / 10.0, -1.0, 1.0);
}

PointerSettingsOutcome GnomePointerSettings::Apply(const PointerSettingsRequest& request) {
    PointerSettingsOutcome outcome;
    const SchemaPtr schema = LookupSchema(schemaId_);
    if (!schema) {
        outcome.skipped = "GNOME: no schema " + schemaId_;
        return outcome;
    }
    if (std::string why = WhySettingsAreNotKept(); !why.empty()) {
        outcome.skipped = std::move(why);
        return outcome;
    }
    const SettingsPtr settings(g_settings_new_full(schema.get(), nullptr, nullptr));
    if (request.doubleClickMs > 0) {
        outcome.doubleClick = WriteKey(settings.get(), schema.get(), "double-click",
                                       g_variant_new_int32(request.doubleClickMs));
    }
    outcome.speed = WriteKey(settings.get(), schema.get(), "speed",
                             g_variant_new_double(SpeedFromPointerSpeed(request.pointerSpeed)));
    const char* profile = request.accelerationEnabled ? "adaptive" : "flat";
    outcome.acceleration =
        WriteKey(settings.get(), schema.get(), "accel-profile", g_variant_new_string(profile));
    g_settings_sync();
    return outcome;
}

}  // namespace orvex::platform
