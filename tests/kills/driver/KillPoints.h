#pragma once

namespace orvex::kills {

// From now on every write, rename and removal of a file is counted. Call i (from 1) holds two
// kill points: 2i - 1 ends the process during it (a write after half of its bytes, anything else
// before it happens) and 2i right after it. The process ends with SIGKILL, as a crash, a power
// cut of the process or "kill -9" ends it: nothing of the program runs any more.
void ArmKillPoint(long point);

// Stops counting; how many calls were counted.
long StopCounting();

}  // namespace orvex::kills
