#pragma once

#include <memory>

namespace orvex::platform {

// The system's requests that the program end: on Linux SIGTERM (logging out, shutting down,
// `kill`), SIGINT (Ctrl+C in its terminal) and SIGHUP (its terminal gone). Where a request
// arrives it is only noted; the owner watches fd() for readability and ends the program from its
// own event loop, where ending it is safe.
class TerminationRequests {
  public:
    virtual ~TerminationRequests() = default;

    // Readable while a request is pending.
    virtual int fd() const = 0;
    // Takes every pending request; the number of the signal that came last, 0 when none came.
    virtual int TakePending() = 0;
};

// Catches the requests for as long as the returned object lives, which then puts the previous
// handling back. Null when they cannot be caught, or while another such object lives.
std::unique_ptr<TerminationRequests> CatchTerminationRequests();

}  // namespace orvex::platform
