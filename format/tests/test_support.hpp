// Helpers shared by the formatter tests: UTF-8 <-> CP932 at the edges, date-times
// from calendar fields, and a fixed locale.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "format/uFormatDateTimeEx.hpp"
#include "platform/datetime.hpp"
#include "platform/locale.hpp"
#include "platform/textconv.hpp"

namespace vesmark::testing_support {

// CP932 bytes of a UTF-8 text written in a test.
inline std::string Sjis(std::string_view utf8) {
    cp932::FromUtf8Result r = cp932::Utf8ToCp932(utf8);
    EXPECT_TRUE(r.ok) << r.message;
    return r.text;
}

inline std::string Utf8(std::string_view cp932Text) { return cp932::Cp932ToUtf8(cp932Text); }

inline TDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                    int millisecond = 0) {
    const std::optional<TDateTime> x = EncodeDateTime(year, month, day, hour, minute, second, millisecond);
    EXPECT_TRUE(x.has_value()) << year << "-" << month << "-" << day;
    return x.value_or(0.0);
}

// The reference instant of the examples: 2004-01-01 13:05:07.089, a Thursday.
inline TDateTime Reference() { return At(2004, 1, 1, 13, 5, 7, 89); }

// Renders a UTF-8 format at x; the result comes back in UTF-8.
inline std::string Render(std::string_view format, TDateTime x) {
    return Utf8(FormatDateTimeEx(Sjis(format), x));
}

// The locale the tests assume: "/" and ":", short and long date and time texts in
// this format language, and Japanese designators.
inline platform::LocaleSettings TestLocale() {
    platform::LocaleSettings s;
    s.DateSeparator = '/';
    s.TimeSeparator = ':';
    s.ShortDateFormat = "yyyy/mm/dd";
    s.LongDateFormat = Sjis("yyyy'年'm'月'd'日'");
    s.ShortTimeFormat = "h:nn";
    s.LongTimeFormat = "h:nn:ss";
    s.TimeAMString = Sjis("午前");
    s.TimePMString = Sjis("午後");
    return s;
}

// Every formatter test starts from the fixed locale; a test may change it.
class FormatTest : public ::testing::Test {
protected:
    void SetUp() override { platform::SetLocale(TestLocale()); }
    void TearDown() override { platform::SetLocale(TestLocale()); }

    // Changes one part of the locale for this test.
    template <typename Edit>
    void EditLocale(Edit edit) {
        platform::LocaleSettings s = TestLocale();
        edit(s);
        platform::SetLocale(s);
    }
};

// A format and what it renders, both in UTF-8.
struct RenderCase {
    const char* format;
    const char* expected;
};

}  // namespace vesmark::testing_support
