// Helpers shared by the vesmark-format tests.
#pragma once

#include <string>
#include <string_view>

#include "cli/request_fields.hpp"
#include "platform/locale.hpp"
#include "platform/textconv.hpp"

namespace vesmark::cli::testing {

// The CP932 bytes of a UTF-8 text that code page 932 can hold.
inline std::string Cp932(std::string_view utf8) { return cp932::Utf8ToCp932(utf8).text; }

// The hex field of a UTF-8 text.
inline std::string Hex(std::string_view utf8) { return HexEncode(Cp932(utf8)); }

// Known locale settings, whatever the environment says.
inline void UseDefaultLocale() { platform::SetLocale(platform::LocaleSettings{}); }

}  // namespace vesmark::cli::testing
