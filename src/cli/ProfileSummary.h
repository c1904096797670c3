#pragma once

#include <ostream>

#include "core/profiles/ProfileRecord.h"

namespace orvex::cli {

// A human-readable summary of a profile: buttons, sensor, lighting, pointer settings.
void PrintProfileSummary(const ProfileRecord& record, std::ostream& out);

}  // namespace orvex::cli
