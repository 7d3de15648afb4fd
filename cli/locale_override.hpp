// The eight locale settings by the names vesmark-format gives them (date-sep,
// time-sep, short-date, long-date, short-time, long-time, am, pm).
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/locale.hpp"

namespace vesmark::cli {

inline constexpr std::array<std::string_view, 8> kLocaleSettingNames = {
    "date-sep", "time-sep", "short-date", "long-date", "short-time", "long-time", "am", "pm",
};

enum class LocaleSettingError { None, UnknownName, SeparatorTooLong };

// Sets one setting to a CP932 value. A separator takes one byte, or nothing (the
// empty text or the zero byte) for none.
LocaleSettingError SetLocaleSetting(platform::LocaleSettings& settings, std::string_view name,
                                    std::string_view value);

// The CP932 value of one setting; a separator of none is the empty text.
std::string LocaleSettingValue(const platform::LocaleSettings& settings, std::string_view name);

}  // namespace vesmark::cli
