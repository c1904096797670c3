#pragma once

namespace orvex::platform {

// Hands memory the program has freed back to the system. The C library keeps freed heap pages
// for later allocations; after start-up drops a large working set (the decoded skin), that would
// leave the program holding tens of megabytes it no longer uses for the rest of its life.
void ReturnFreedMemoryToSystem();

}  // namespace orvex::platform
