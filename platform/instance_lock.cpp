// Single-instance object: an exclusive flock on a per-user lock file. The kernel
// drops the lock when the process ends, even when it is killed.
#include "platform/instance_lock.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace vesmark::platform {

namespace {

// Keeps a name usable as one file name.
std::string FileNameFor(const std::string& name) {
    std::string out;
    for (char c : name) out += (c == '/' || c == '\0') ? '_' : c;
    return out;
}

}  // namespace

std::string InstanceLock::LockFilePath(const std::string& name) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat st {};
    if (runtime != nullptr && runtime[0] == '/' && stat(runtime, &st) == 0 && S_ISDIR(st.st_mode) &&
        access(runtime, W_OK) == 0) {
        return std::string(runtime) + "/" + FileNameFor(name) + ".lock";
    }
    return "/tmp/" + FileNameFor(name) + "-" + std::to_string(getuid()) + ".lock";
}

InstanceLock::Result InstanceLock::Acquire(const std::string& name) {
    if (fd_ >= 0) return Result::Acquired;
    const std::string path = LockFilePath(name);
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return Result::Unavailable;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        close(fd);
        return err == EWOULDBLOCK ? Result::HeldElsewhere : Result::Unavailable;
    }
    fd_ = fd;
    return Result::Acquired;
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) close(fd_);
}

}  // namespace vesmark::platform
