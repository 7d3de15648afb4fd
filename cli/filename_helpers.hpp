// The file-name helpers as vesmark-format reaches them: present in a build that
// has them, otherwise reported as not available.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/datetime.hpp"

namespace vesmark::cli {

bool FileNameHelpersAvailable();

// ExpandBackupName with the local clock reading `now` for the call; nothing when
// the helpers are not available.
std::optional<std::string> ExpandBackupNameAt(TDateTime now, std::string_view tmpl,
                                              std::string_view fileName,
                                              std::string_view extension, int counter);

// SanitizeFileName; nothing when the helpers are not available.
std::optional<std::string> SanitizeFileNameText(std::string_view text);

}  // namespace vesmark::cli
