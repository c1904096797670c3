#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/profiles/ProfileRecord.h"

namespace orvex::testing {

// A macro copy with `count` events: key presses and releases of A ... with rising delays.
ProfileMacro SampleMacro(std::int32_t id, std::u16string name, std::size_t count);

// A record with every field away from its default and macros bound to buttons 0, 3 and 8.
ProfileRecord RecordWithMacros();

// Binds button b to `macro` (code RecordMacro, param = the macro's id) and stores the copy.
void BindMacro(ProfileRecord& record, std::size_t button, const ProfileMacro& macro);

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

}  // namespace orvex::testing
