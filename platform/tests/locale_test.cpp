// Locale settings taken from strftime formats and translated into the format language.
#include <gtest/gtest.h>

#include "platform/locale.hpp"

namespace {

using vesmark::platform::LocaleFromStrftime;
using vesmark::platform::TranslateStrftime;

struct TranslateCase {
    const char* strftime;
    char dateSep;
    char timeSep;
    const char* expected;
};

const TranslateCase kTranslations[] = {
    {"%m/%d/%y", '/', 0, "mm/dd/yy"},
    {"%d.%m.%Y", '.', 0, "dd/mm/yyyy"},
    {"%Y-%m-%d", '-', 0, "yyyy/mm/dd"},
    {"%H:%M:%S", 0, ':', "hh:nn:ss"},
    {"%k:%M", 0, ':', "h:nn"},
    {"%I:%M:%S %p", 0, ':', "ff:nn:ss AMPM"},
    {"%a %e %b", 0, 0, "ddd d mmm"},
    {"%A, %B", 0, 0, "dddd, mmmm"},
    {"%T", 0, ':', "hh:nn:ss"},
    {"at %H h", 0, 0, "'at 'hh' h'"},
    {"it's %H", 0, 0, "\"it's \"hh"},
    {"%Y\x94\x4E", 0, 0, "yyyy\x94\x4E"},      // 年 is copied as it stands
    {"100%%", 0, 0, "'100%'"},
};

TEST(Locale, StrftimeConversionsBecomeFormatTokens) {
    for (const auto& c : kTranslations) {
        SCOPED_TRACE(c.strftime);
        EXPECT_EQ(TranslateStrftime(c.strftime, c.dateSep, c.timeSep), c.expected);
    }
}

TEST(Locale, CLocaleGivesSeparatorsAndFallbacks) {
    const auto s = LocaleFromStrftime("%m/%d/%y", "%H:%M:%S", "%I:%M:%S %p", "AM", "PM");
    EXPECT_EQ(s.DateSeparator, '/');
    EXPECT_EQ(s.TimeSeparator, ':');
    EXPECT_EQ(s.ShortDateFormat, "mm/dd/yy");
    EXPECT_EQ(s.LongDateFormat, "mmmm d, yyyy");
    EXPECT_EQ(s.ShortTimeFormat, "hh:nn");
    EXPECT_EQ(s.LongTimeFormat, "hh:nn:ss");
    EXPECT_EQ(s.TimeAMString, "AM");
    EXPECT_EQ(s.TimePMString, "PM");
}

TEST(Locale, FormatsWithoutSeparatorsKeepTheUsualOnes) {
    // %Y年%m月%d日 and %H時%M分%S秒, as a Japanese locale writes them.
    const auto s = LocaleFromStrftime("%Y\x94\x4e%m\x8c\x8e%d\x93\xfa", "%H\x8e\x9e%M\x95\xaa%S\x95\x62",
                                      "", "\x8c\xdf\x91\x4f", "\x8c\xdf\x8c\xe3");
    EXPECT_EQ(s.DateSeparator, '/');
    EXPECT_EQ(s.TimeSeparator, ':');
    EXPECT_EQ(s.ShortDateFormat, "yyyy\x94\x4emm\x8c\x8e" "dd\x93\xfa");
    EXPECT_EQ(s.LongTimeFormat, "hh\x8e\x9enn\x95\xaass\x95\x62");
    EXPECT_EQ(s.ShortTimeFormat, "hh\x8e\x9enn\x95\xaa");
}

TEST(Locale, MissingSettingsUseTheFallbacks) {
    const auto s = LocaleFromStrftime("", "", "", "", "");
    EXPECT_EQ(s.DateSeparator, '/');
    EXPECT_EQ(s.TimeSeparator, ':');
    EXPECT_EQ(s.ShortDateFormat, "m/d/yy");
    EXPECT_EQ(s.TimeAMString, "am");
    EXPECT_EQ(s.TimePMString, "pm");
}

TEST(Locale, SetLocaleReplacesTheSettingsInForce) {
    vesmark::platform::LocaleSettings s;
    s.DateSeparator = 0;
    s.TimeAMString = "x";
    vesmark::platform::SetLocale(s);
    EXPECT_EQ(vesmark::platform::Locale().DateSeparator, 0);
    EXPECT_EQ(vesmark::platform::Locale().TimeAMString, "x");
}

}  // namespace
