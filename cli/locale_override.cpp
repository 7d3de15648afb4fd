// Reading and writing the locale settings by name.
#include "cli/locale_override.hpp"

namespace vesmark::cli {

namespace {

// Settings is LocaleSettings, const or not; the pointer shares its constness.
template <class Settings>
auto TextSetting(Settings& s, std::string_view name) -> decltype(&s.ShortDateFormat) {
    if (name == "short-date") return &s.ShortDateFormat;
    if (name == "long-date") return &s.LongDateFormat;
    if (name == "short-time") return &s.ShortTimeFormat;
    if (name == "long-time") return &s.LongTimeFormat;
    if (name == "am") return &s.TimeAMString;
    if (name == "pm") return &s.TimePMString;
    return nullptr;
}

template <class Settings>
auto SeparatorSetting(Settings& s, std::string_view name) -> decltype(&s.DateSeparator) {
    if (name == "date-sep") return &s.DateSeparator;
    if (name == "time-sep") return &s.TimeSeparator;
    return nullptr;
}

}  // namespace

LocaleSettingError SetLocaleSetting(platform::LocaleSettings& settings, std::string_view name,
                                    std::string_view value) {
    if (char* separator = SeparatorSetting(settings, name)) {
        if (value.size() > 1) return LocaleSettingError::SeparatorTooLong;
        *separator = value.empty() ? '\0' : value.front();
        return LocaleSettingError::None;
    }
    if (std::string* text = TextSetting(settings, name)) {
        *text = value;
        return LocaleSettingError::None;
    }
    return LocaleSettingError::UnknownName;
}

std::string LocaleSettingValue(const platform::LocaleSettings& settings, std::string_view name) {
    if (const char* separator = SeparatorSetting(settings, name))
        return *separator == '\0' ? std::string() : std::string(1, *separator);
    if (const std::string* text = TextSetting(settings, name)) return *text;
    return {};
}

}  // namespace vesmark::cli
