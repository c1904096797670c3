#include "platform/linux/NodeAccessFacts.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "platform/linux/UniqueFd.h"

namespace orvex::platform {
namespace {

// The kernel's xattr form of a POSIX ACL (linux/posix_acl_xattr.h): a 4-byte version, then
// entries of tag (16 bits), permissions (16 bits) and id (32 bits), little-endian.
constexpr std::uint32_t kAclVersion = 2;
constexpr std::uint16_t kAclUserTag = 0x02;
constexpr std::size_t kAclHeaderBytes = 4;
constexpr std::size_t kAclEntryBytes = 8;
constexpr std::size_t kMaxAclBytes = 4096;

std::uint32_t LittleEndian(const std::uint8_t* bytes, std::size_t count) {
    std::uint32_t value = 0;
    for (std::size_t i = count; i > 0; --i) {
        value = (value << 8) | bytes[i - 1];
    }
    return value;
}

}  // namespace

UserIdentity CurrentUser() {
    UserIdentity user;
    user.uid = ::geteuid();
    if (const passwd* entry = ::getpwuid(user.uid)) {
        user.name = entry->pw_name;
    } else {
        user.name = std::to_string(user.uid);
    }
    user.groups.push_back(::getegid());
    std::array<gid_t, 256> groups{};
    const int count = ::getgroups(static_cast<int>(groups.size()), groups.data());
    for (int i = 0; i < count; ++i) {
        user.groups.push_back(groups[static_cast<std::size_t>(i)]);
    }
    return user;
}

std::optional<NodeOwnership> ReadNodeOwnership(const std::filesystem::path& node) {
    struct stat status {};
    if (::stat(node.c_str(), &status) != 0) {
        return std::nullopt;
    }
    NodeOwnership ownership;
    ownership.owner = status.st_uid;
    ownership.group = status.st_gid;
    ownership.mode = status.st_mode & 07777;
    const group* entry = ::getgrgid(status.st_gid);
    ownership.groupName = entry ? entry->gr_name : std::to_string(status.st_gid);
    return ownership;
}

std::vector<uid_t> AclUsers(const std::filesystem::path& node) {
    std::vector<uid_t> users;
    std::array<std::uint8_t, kMaxAclBytes> acl{};
    const ssize_t size =
        ::getxattr(node.c_str(), "system.posix_acl_access", acl.data(), acl.size());
    if (size < static_cast<ssize_t>(kAclHeaderBytes) ||
        LittleEndian(acl.data(), 4) != kAclVersion) {
        return users;
    }
    const auto length = static_cast<std::size_t>(size);
    for (std::size_t at = kAclHeaderBytes; at + kAclEntryBytes <= length; at += kAclEntryBytes) {
        if (LittleEndian(acl.data() + at, 2) == kAclUserTag) {
            users.push_back(static_cast<uid_t>(LittleEndian(acl.data() + at + 4, 4)));
        }
    }
    return users;
}

bool GroupListsUser(gid_t group, const std::string& user) {
    const struct group* entry = ::getgrgid(group);
    if (entry == nullptr) {
        return false;
    }
    for (char** member = entry->gr_mem; member != nullptr && *member != nullptr; ++member) {
        if (user == *member) {
            return true;
        }
    }
    return false;
}

int OpenReadWriteError(const std::filesystem::path& node) {
    const UniqueFd fd(::open(node.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    return fd ? 0 : errno;
}

}  // namespace orvex::platform
