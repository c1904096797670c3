#include "kills/driver/KillPoints.h"

// Only the C headers that declare nothing this file defines: the definitions below take the
// place of the C library's calls for the whole process, the standard library's included.
#include <dlfcn.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/uio.h>

namespace orvex::kills {
namespace {

long armedPoint = -1;  // below zero: not counting
long calls = 0;

template <typename Function>
Function Next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

// Counts the call; true when the process is to end during it.
bool EndsDuring() {
    if (armedPoint < 0) {
        return false;
    }
    ++calls;
    return 2 * calls - 1 == armedPoint;
}

void EndIfDue() {
    if (armedPoint >= 0 && 2 * calls == armedPoint) {
        raise(SIGKILL);
    }
}

// A write: ended after half of its bytes (or of its buffers), or right after it.
template <typename Function, typename Data, typename Length>
ssize_t CountedWrite(Function next, int fd, Data data, Length length) {
    if (EndsDuring()) {
        next(fd, data, length / 2);
        raise(SIGKILL);
    }
    const ssize_t written = next(fd, data, length);
    EndIfDue();
    return written;
}

// A call that is all or nothing: ended before it or right after it.
template <typename Function, typename... Arguments>
auto Counted(Function next, Arguments... arguments) {
    if (EndsDuring()) {
        raise(SIGKILL);
    }
    const auto result = next(arguments...);
    EndIfDue();
    return result;
}

}  // namespace

void ArmKillPoint(long point) {
    calls = 0;
    armedPoint = point;
}

long StopCounting() {
    armedPoint = -1;
    return calls;
}

}  // namespace orvex::kills

using orvex::kills::Counted;
using orvex::kills::CountedWrite;
using orvex::kills::Next;

extern "C" ssize_t write(int fd, const void* data, size_t size) {
    static const auto next = Next<ssize_t (*)(int, const void*, size_t)>("write");
    return CountedWrite(next, fd, data, size);
}

extern "C" ssize_t writev(int fd, const struct iovec* parts, int count) {
    static const auto next = Next<ssize_t (*)(int, const struct iovec*, int)>("writev");
    return CountedWrite(next, fd, parts, count);
}

extern "C" int rename(const char* from, const char* to) {
    static const auto next = Next<int (*)(const char*, const char*)>("rename");
    return Counted(next, from, to);
}

extern "C" int remove(const char* path) {
    static const auto next = Next<int (*)(const char*)>("remove");
    return Counted(next, path);
}

extern "C" int unlink(const char* path) {
    static const auto next = Next<int (*)(const char*)>("unlink");
    return Counted(next, path);
}

extern "C" int unlinkat(int folder, const char* path, int flags) {
    static const auto next = Next<int (*)(int, const char*, int)>("unlinkat");
    return Counted(next, folder, path, flags);
}
