// The locale settings the format language reads: separators, date and time format
// texts and the AM/PM designators, in CP932 and in this program's own format language.
#pragma once

#include <string>
#include <string_view>

namespace vesmark::platform {

struct LocaleSettings {
    char DateSeparator = '/';  // zero means none
    char TimeSeparator = ':';  // zero means none
    std::string ShortDateFormat = "m/d/yy";
    std::string LongDateFormat = "mmmm d, yyyy";
    std::string ShortTimeFormat = "h:nn";
    std::string LongTimeFormat = "h:nn:ss";
    std::string TimeAMString = "am";
    std::string TimePMString = "pm";
};

// The settings in force. Derived once per process from LC_TIME on first use,
// unless SetLocale replaced them. Cheap: returns a reference.
const LocaleSettings& Locale() noexcept;

// Replaces the settings in force as a whole (tests, the command-line tool).
void SetLocale(const LocaleSettings& settings);

// Derives the settings from the process environment's LC_TIME.
LocaleSettings LocaleFromEnvironment();

// Derives the settings from the given LC_TIME texts (in CP932): the strftime date
// format, time format, 12-hour time format, AM and PM strings.
LocaleSettings LocaleFromStrftime(std::string_view dateFormat, std::string_view timeFormat,
                                  std::string_view timeFormatAmPm, std::string_view am,
                                  std::string_view pm);

// Translates a strftime format into the format language; the given separators
// become the separator symbols "/" and ":".
std::string TranslateStrftime(std::string_view strftimeFormat, char dateSeparator,
                              char timeSeparator);

}  // namespace vesmark::platform
