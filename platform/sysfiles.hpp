// Program path and file tests. Paths are CP932 texts inside the program; they are
// converted to the file system's UTF-8 here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vesmark::platform {

// The path of the running program (/proc/self/exe) in CP932, or nothing when it
// cannot be read or holds characters that code page 932 cannot hold.
std::optional<std::string> ProgramPath();

// The file-system (UTF-8) form of a CP932 path.
std::string NativePath(std::string_view cp932Path);

// True for an existing entry that is not a directory.
bool FileExists(std::string_view cp932Path);
bool DirectoryExists(std::string_view cp932Path);

}  // namespace vesmark::platform
