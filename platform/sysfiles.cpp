// Program path and file tests over POSIX calls.
#include "platform/sysfiles.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "platform/textconv.hpp"

namespace vesmark::platform {

std::optional<std::string> ProgramPath() {
    std::vector<char> buf(4096);
    for (;;) {
        const ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size());
        if (n < 0) return std::nullopt;
        if (static_cast<std::size_t>(n) < buf.size()) {
            auto r = cp932::Utf8ToCp932(std::string_view(buf.data(), static_cast<std::size_t>(n)));
            if (!r.ok) return std::nullopt;
            return r.text;
        }
        if (buf.size() > (1u << 20)) return std::nullopt;
        buf.resize(buf.size() * 2);
    }
}

std::string NativePath(std::string_view cp932Path) { return cp932::Cp932ToUtf8(cp932Path); }

bool FileExists(std::string_view cp932Path) {
    if (cp932Path.empty()) return false;
    struct stat st {};
    return stat(NativePath(cp932Path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(std::string_view cp932Path) {
    if (cp932Path.empty()) return false;
    struct stat st {};
    return stat(NativePath(cp932Path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace vesmark::platform
