// Whole-file reading and all-or-nothing replacement over POSIX calls.
#include "settings/FileStore.hpp"

#include <fcntl.h>
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
    return true;
}

}  // namespace vesmark::settings
