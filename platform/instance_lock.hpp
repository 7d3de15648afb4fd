// A named single-instance object per user, released by the kernel when the
// process ends however it ends (an flock on a file in the runtime directory).
#pragma once

#include <string>

namespace vesmark::platform {

class InstanceLock {
public:
    enum class Result { Acquired, HeldElsewhere, Unavailable };

    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Takes the object named `name` atomically. Unavailable when the lock file
    // cannot be made; the caller may then go on unprotected.
    Result Acquire(const std::string& name);

    // The lock file used for a name (in $XDG_RUNTIME_DIR, else /tmp with the user id).
    static std::string LockFilePath(const std::string& name);

private:
    int fd_ = -1;
};

}  // namespace vesmark::platform
