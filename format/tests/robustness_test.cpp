// Arbitrary formats and date-time values: rendering always ends, stays within
// 256 bytes and reads nothing outside its inputs (the sanitizer build checks that).
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "test_support.hpp"

namespace vesmark {
namespace {

// Bytes that mean something to the scanner, plus lead bytes, trail-like bytes and zero.
constexpr char kAlphabet[] = "AaMmPp.%\\/:\"'CcTtVvWwEeYyGgJjKkLlDdHhFfNnSsZzRrUu xb\x81\x95\x5c\xe0\xfc\x80\xa0";

std::string RandomFormat(std::mt19937& rng) {
    std::uniform_int_distribution<int> length(0, 80);
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kAlphabet - 1);  // includes the zero byte
    std::string s(static_cast<std::size_t>(length(rng)), ' ');
    for (char& ch : s) ch = kAlphabet[pick(rng)];
    return s;
}

TEST(Robustness, ArbitraryFormatsAndValuesRenderAtMost256Bytes) {
    platform::LocaleSettings locale = testing_support::TestLocale();
    locale.ShortDateFormat = "AM/PM c t WW '";  // refused composites, an open quote
    locale.LongTimeFormat = "hh:nn:ss AMPM A";
    platform::SetLocale(locale);

    const double special[] = {0.0, -0.0, 0.5, -1.25, -11435.5, 2958465.999, 2958466.0, -693594.0, 1e300,
                              -1e300, std::numeric_limits<double>::quiet_NaN(),
                              std::numeric_limits<double>::infinity(), std::numeric_limits<double>::denorm_min()};
    std::mt19937 rng(20040101);
    std::uniform_real_distribution<double> anyDay(-700000.0, 3000000.0);
    for (int i = 0; i < 3000; ++i) {
        const std::string format = RandomFormat(rng);
        const double x = i % 4 == 0 ? special[static_cast<std::size_t>(i / 4) % std::size(special)] : anyDay(rng);
        SCOPED_TRACE(::testing::Message() << "x = " << x << ", format of " << format.size() << " bytes");
        const std::string once = FormatDateTimeEx(format, x);
        EXPECT_LE(once.size(), 256u);
        EXPECT_EQ(FormatDecodedDateTime(format.empty() ? std::string("C") : format), once);
    }
    platform::SetLocale(testing_support::TestLocale());
}

}  // namespace
}  // namespace vesmark
