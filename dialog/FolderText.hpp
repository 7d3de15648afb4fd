// Clean-up of a typed backup-folder text (CP932): the drive part is kept, the
// rest is passed through the file-name sanitiser piece by piece between "/".
#pragma once

#include <string>
#include <string_view>

namespace vesmark::dialog {

// "C:" of "C:\x", "\\server\share" of "\\server\share\x"; empty otherwise.
std::string_view DrivePart(std::string_view text);

std::string CleanFolderText(std::string_view text);

}  // namespace vesmark::dialog
