// Whole-file reading and all-or-nothing replacement over POSIX calls.
#include "settings/FileStore.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>

namespace vesmark::settings {

namespace {

class Fd {
public:
    explicit Fd(int fd) noexcept : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;

    int get() const noexcept { return fd_; }
    bool ok() const noexcept { return fd_ >= 0; }
    // Closes now and reports the result: on some file systems a failed write only
    // shows at close.
    bool Close() noexcept {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) noexcept {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// A new file beside target, created exclusively; its name on success.
int CreateTemporary(const std::string& target, std::string& name) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[64];
        std::snprintf(suffix, sizeof suffix, ".%ld-%u-%lx.tmp", static_cast<long>(::getpid()),
                      counter++, static_cast<unsigned long>(std::clock()));
        name = target + suffix;
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Reads the decimal number at the start of `s`, moving past it; false when none.
bool TakeNumber(std::string_view& s, unsigned long long& value, int base) noexcept {
    std::size_t n = 0;
    value = 0;
    while (n < s.size() && n < 16) {
        const char c = s[n];
        int digit;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else {
            break;
        }
        value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
        ++n;
    }
    s.remove_prefix(n);
    return n > 0;
}

// The process id in the name of an unfinished new file of target ("<name>.<pid>-
// <count>-<hex>.tmp", as CreateTemporary makes them), or 0 for any other name.
long LeftoverOwner(std::string_view entry, std::string_view base) noexcept {
    if (!entry.starts_with(base) || !entry.ends_with(".tmp")) return 0;
    std::string_view rest = entry.substr(base.size(), entry.size() - base.size() - 4);
    unsigned long long pid = 0;
    unsigned long long ignored = 0;
    if (!rest.starts_with('.')) return 0;
    rest.remove_prefix(1);
    if (!TakeNumber(rest, pid, 10) || !rest.starts_with('-')) return 0;
    rest.remove_prefix(1);
    if (!TakeNumber(rest, ignored, 10) || !rest.starts_with('-')) return 0;
    rest.remove_prefix(1);
    if (!TakeNumber(rest, ignored, 16) || !rest.empty()) return 0;
    return pid > 0 && pid <= static_cast<unsigned long long>(LONG_MAX) ? static_cast<long>(pid) : 0;
}

// A save that was killed leaves its unfinished new file beside the settings file.
// Once a save has put its own file in place, the leftovers of processes that no
// longer exist are removed; those of running processes are not touched.
void RemoveLeftovers(const std::string& target) {
    const std::size_t slash = target.rfind('/');
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    DIR* folder = ::opendir(FolderOf(target).c_str());
    if (folder == nullptr) return;
    while (const dirent* entry = ::readdir(folder)) {
        const long owner = LeftoverOwner(entry->d_name, base);
        if (owner == 0 || owner == static_cast<long>(::getpid())) continue;
        if (::kill(static_cast<pid_t>(owner), 0) == 0 || errno != ESRCH) continue;
        (void)::unlinkat(::dirfd(folder), entry->d_name, 0);
    }
    ::closedir(folder);
}

}  // namespace

FileBytes ReadWholeFile(const std::string& path) {
    FileBytes result;
    // O_NONBLOCK: opening a FIFO must not wait for a writer.
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd.ok()) {
        result.status = (errno == ENOENT || errno == ENOTDIR) ? ReadStatus::Missing : ReadStatus::Failed;
        return result;
    }
    result.status = ReadStatus::Failed;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<unsigned long long>(st.st_size) > MaxFileBytes) {
        return result;
    }
    // One byte more than the size, so that the read which finds the end needs no
    // larger buffer (growing would copy the whole file).
    std::string bytes(static_cast<std::size_t>(st.st_size) + 1, '\0');
    std::size_t used = 0;
    for (;;) {
        // The file may grow while it is read; read on to its end, within the limit.
        if (used == bytes.size()) {
            if (bytes.size() > MaxFileBytes) return result;
            bytes.resize(bytes.size() + 65536);
        }
        const ssize_t n = ::read(fd.get(), bytes.data() + used, bytes.size() - used);
        if (n < 0) {
            if (errno == EINTR) continue;
            return result;
        }
        if (n == 0) break;
        used += static_cast<std::size_t>(n);
    }
    bytes.resize(used);
    result.status = ReadStatus::Ok;
    result.bytes = std::move(bytes);
    return result;
}

bool ReplaceFile(const std::string& path, std::string_view bytes) {
    // Renaming over a link would replace the link itself: write to what it names.
    std::string target = path;
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
        if (!real) return false;
        target = real.get();
    }

    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (!exists && errno != ENOENT) return false;
    if (exists) {
        if (!S_ISREG(st.st_mode)) return false;
        // The rename needs only the folder's permission, so the file's own read-only
        // state is checked here. Root passes every access check; a file without any
        // write bit is read-only for root too.
        if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
        if (::access(target.c_str(), W_OK) != 0) return false;
    }

    std::string tempName;
    Fd fd(CreateTemporary(target, tempName));
    if (!fd.ok()) return false;

    bool ok = true;
    if (exists) {
        // Keep the owner where this user may (root may); the mode after it, since a
        // change of owner clears the set-id bits.
        if ((st.st_uid != ::geteuid() || st.st_gid != ::getegid()) &&
            ::fchown(fd.get(), st.st_uid, st.st_gid) != 0) {
            // Not allowed for this user: the new file is this user's, as a file
            // written from nothing would be.
        }
        ok = ::fchmod(fd.get(), st.st_mode & 07777) == 0;
    }
    ok = ok && WriteAll(fd.get(), bytes);
    ok = ok && ::fsync(fd.get()) == 0;
    ok = fd.Close() && ok;
    ok = ok && ::rename(tempName.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tempName.c_str());
        return false;
    }

    // Make the rename itself durable; not every file system can sync a folder, and
    // the new file is in place either way.
    Fd folder(::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.ok()) (void)::fsync(folder.get());
    RemoveLeftovers(target);
    return true;
}

}  // namespace vesmark::settings
