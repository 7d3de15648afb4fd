// File-name helpers: the backup file-name template, the file-name sanitiser and
// the program directory. Pure C++; texts are CP932 bytes.
#pragma once

#include <string>
#include <string_view>

namespace vesmark {

// The program directory with its trailing delimiter; empty until InitAppPath.
extern std::string AppPath;

// Sets AppPath once from the platform's program path.
void InitAppPath();

// Expands the percent codes of a backup template; date fields all come from one
// reading of the local clock.
std::string ExpandBackupName(std::string_view tmpl, std::string_view fileName,
                             std::string_view extension, int counter);

// Turns characters that may not stand in a file name into underscores.
std::string SanitizeFileName(std::string_view text);

}  // namespace vesmark
