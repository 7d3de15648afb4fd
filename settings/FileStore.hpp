// Reading a settings file whole and replacing it all or nothing. Paths here are the
// file system's own (UTF-8) paths.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vesmark::settings {

// Larger files are not read: loading gives the defaults, saving refuses, so a file
// this program cannot hold in memory is never cut short.
inline constexpr std::size_t MaxFileBytes = std::size_t{128} << 20;

enum class ReadStatus { Ok, Missing, Failed };

struct FileBytes {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;  // the whole file when status is Ok
};

// Missing when nothing exists at path; Failed when something exists that cannot be
// read whole (a directory, a device, no permission, an I/O error, too large).
FileBytes ReadWholeFile(const std::string& path);

// Replaces the file at path with bytes: they go to a new file in the same folder,
// which is flushed to disk and then renamed over the old one, so the old file stays
// complete until the new one is. The new file keeps the old one's permission bits
// (and owner, where allowed); a symbolic link is followed and stays a link. Fails,
// leaving the file as it was, when the file is read-only (a mode without any write
// bit counts as read-only for every user, root included), is not a regular file, or
// a step of the write fails. After a successful replacement, the unfinished new
// files that killed saves of ended processes left beside it are removed.
bool ReplaceFile(const std::string& path, std::string_view bytes);

}  // namespace vesmark::settings
