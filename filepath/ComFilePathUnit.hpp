// File-name helpers: the backup file-name template, the file-name sanitiser and
// the program directory. Pure C++; texts are CP932 bytes.
#pragma once

#include <string>
#include <string_view>

namespace vesmark {

// The program directory with its trailing delimiter; empty until InitAppPath.
extern std::string AppPath;

// Sets AppPath once from the platform's program path. Returns false, leaving
// AppPath as it was, when the platform cannot tell the program's path.
bool InitAppPath();

// Sets AppPath to the directory part of the given program path (start-up with a
// known path, tests).
void InitAppPathFrom(std::string_view programPath);

// The directory part of a path: everything up to and including the last path
// delimiter ("/" here), empty when there is none. A delimiter byte that is the
// second byte of a double-byte character does not count.
std::string ExtractFilePath(std::string_view path);

// The part of a path behind its last path delimiter (the whole path when there
// is none), by the same rule.
std::string ExtractFileName(std::string_view path);

// Expands the percent codes of a backup template; date fields all come from one
// reading of the local clock.
std::string ExpandBackupName(std::string_view tmpl, std::string_view fileName,
                             std::string_view extension, int counter);

// Turns characters that may not stand in a file name into underscores.
std::string SanitizeFileName(std::string_view text);

}  // namespace vesmark
