#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvex::platform {

// Who runs the program, as the kernel checks it when a device node is opened.
struct UserIdentity {
    uid_t uid = 0;
    std::string name;
    std::vector<gid_t> groups;  // the effective group and the supplementary groups
};

UserIdentity CurrentUser();

// A device node's owner, group and mode bits, as stat tells them.
struct NodeOwnership {
    uid_t owner = 0;
    gid_t group = 0;
    std::string groupName;  // the group's number as text when it has no name
    mode_t mode = 0;        // permission bits only
};
std::optional<NodeOwnership> ReadNodeOwnership(const std::filesystem::path& node);

// The users an access ACL on the node names (what logind's uaccess adds for the user at the
// machine). Empty when the node has no ACL or it cannot be read.
std::vector<uid_t> AclUsers(const std::filesystem::path& node);

// Whether the group database lists `user` as a member of `group` (who joined a group gets it in
// new sessions only).
bool GroupListsUser(gid_t group, const std::string& user);

// errno of opening the node for reading and writing as the program does, 0 when it opens.
int OpenReadWriteError(const std::filesystem::path& node);

}  // namespace orvex::platform
