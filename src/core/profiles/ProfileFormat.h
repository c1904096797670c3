#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "core/profiles/DataStream.h"
#include "core/profiles/ProfileRecord.h"

namespace orvex {

enum class ProfileLoadStatus {
    Loaded,
    Missing,      // no file at the path
    Unreadable,   // the file exists but cannot be read (or is far too large to be a profile)
    NotAProfile,  // it does not start with the profile magic
    Damaged,      // it ends early or holds a count that does not fit what is left
};

const char* ProfileLoadStatusName(ProfileLoadStatus status);

// The profile file bytes: magic 12 06 33 01, then the fields in file order. The file path, slot
// index, acceleration level and default codes are not in the file.
void WriteProfile(DataStream& stream, const ProfileRecord& record);
std::vector<std::uint8_t> ProfileFileBytes(const ProfileRecord& record);

// Reads a whole profile. Only a profile read to its end without a fault reaches `record`; on any
// other outcome the record keeps every value it had.
ProfileLoadStatus ReadProfile(DataStream& stream, ProfileRecord& record);
ProfileLoadStatus ReadProfileBytes(std::span<const std::uint8_t> bytes, ProfileRecord& record);

}  // namespace orvex
