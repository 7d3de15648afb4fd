// The program directory and the directory and file-name parts of a path.
#include <optional>

#include "filepath/ComFilePathUnit.hpp"
#include "platform/cp932.hpp"
#include "platform/sysfiles.hpp"

namespace vesmark {

std::string AppPath;

namespace {

#ifdef _WIN32
constexpr std::string_view kPathDelimiters = "\\:";
#else
constexpr std::string_view kPathDelimiters = "/";
#endif

// Offset just behind the last delimiter that starts a character; 0 when none.
std::size_t FileNameStart(std::string_view path) noexcept {
    std::size_t start = 0;
    for (std::size_t i = 0; i < path.size(); i += cp932::CharLength(path, i)) {
        if (kPathDelimiters.find(path[i]) != std::string_view::npos) start = i + 1;
    }
    return start;
}

}  // namespace

void InitAppPathFrom(std::string_view programPath) { AppPath = ExtractFilePath(programPath); }

bool InitAppPath() {
    const std::optional<std::string> path = platform::ProgramPath();
    if (!path) return false;
    InitAppPathFrom(*path);
    return true;
}

std::string ExtractFilePath(std::string_view path) {
    return std::string(path.substr(0, FileNameStart(path)));
}

std::string ExtractFileName(std::string_view path) {
    return std::string(path.substr(FileNameStart(path)));
}

}  // namespace vesmark
