// Hex texts, serials, counters and the date-time forms of --at.
#include "cli/request_fields.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace vesmark::cli {
namespace {

struct HexCase {
    std::string hex;
    HexError error;
    std::string bytes;
};

const HexCase kHexCases[] = {
    {"", HexError::None, ""},
    {"00ff7f80", HexError::None, std::string("\x00\xff\x7f\x80", 4)},
    {"AbCdEf", HexError::None, "\xab\xcd\xef"},
    {"955c", HexError::None, "\x95\x5c"},
    {"a", HexError::OddLength, ""},
    {"abc", HexError::OddLength, ""},
    {"0g", HexError::BadDigit, ""},
    {"g0", HexError::BadDigit, ""},
    {" 0", HexError::BadDigit, ""},
    {"0x41", HexError::BadDigit, ""},
    {"41-1", HexError::BadDigit, ""},
};

TEST(HexTest, DecodesEitherCaseAndRefusesOddOrForeignDigits) {
    for (const auto& c : kHexCases) {
        SCOPED_TRACE(c.hex);
        std::string bytes = "left over";
        EXPECT_EQ(HexDecode(c.hex, bytes), c.error);
        EXPECT_EQ(bytes, c.bytes);
    }
}

TEST(HexTest, EncodesEveryByteInLowerCase) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const std::string hex = HexEncode(all);
    EXPECT_EQ(hex.substr(0, 8), "00010203");
    EXPECT_EQ(hex.substr(hex.size() - 8), "fcfdfeff");
    std::string back;
    ASSERT_EQ(HexDecode(hex, back), HexError::None);
    EXPECT_EQ(back, all);
}

struct SerialCase {
    std::string text;
    std::optional<double> value;
};

constexpr double kInf = std::numeric_limits<double>::infinity();

const SerialCase kSerialCases[] = {
    {"37987.5", 37987.5},
    {"0x1.28a1p+15", 37968.5},
    {"0X1P-1", 0.5},
    {"-1.25", -1.25},
    {"+2", 2.0},
    {"1e3", 1000.0},
    {".5", 0.5},
    {"1e999", kInf},  // kept as a double, never made an integer
    {"-inf", -kInf},
    {"", std::nullopt},
    {"1.5x", std::nullopt},
    {"1,5", std::nullopt},
    {"1 ", std::nullopt},
    {"0x", std::nullopt},
    {"e5", std::nullopt},
    {"noon", std::nullopt},
};

TEST(SerialTest, ReadsTheWholeTextAsStrtodDoes) {
    for (const auto& c : kSerialCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseSerial(c.text), c.value);
    }
    const auto nan = ParseSerial("nan");
    ASSERT_TRUE(nan.has_value());
    EXPECT_TRUE(std::isnan(*nan));
}

TEST(SerialTest, HexFloatWritesWhatItReads) {
    EXPECT_EQ(HexFloat(37987.5), "0x1.28c7p+15");
    EXPECT_EQ(HexFloat(0.0), "0x0p+0");
    EXPECT_EQ(HexFloat(-1.25), "-0x1.4p+0");
    for (const double v : {37987.5, 1.0 / 3.0, -693593.999, 2958465.5, 1e-300}) {
        SCOPED_TRACE(v);
        EXPECT_EQ(ParseSerial(HexFloat(v)), v);
    }
}

struct CountCase {
    std::string text;
    std::optional<int> value;
};

const CountCase kCountCases[] = {
    {"99", 99},
    {"0", 0},
    {"007", 7},
    {"-7", -7},
    {"2147483647", 2147483647},
    {"-2147483648", -2147483647 - 1},
    {"2147483648", std::nullopt},
    {"-2147483649", std::nullopt},
    {"99999999999999999999999", std::nullopt},
    {"", std::nullopt},
    {"-", std::nullopt},
    {"+1", std::nullopt},
    {" 1", std::nullopt},
    {"1 ", std::nullopt},
    {"1.0", std::nullopt},
    {"1e3", std::nullopt},
    {"0x10", std::nullopt},
};

TEST(CountTest, AcceptsOnlyWholeNumbersInTheRangeOfInt) {
    for (const auto& c : kCountCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseCount(c.text), c.value);
    }
}

struct DateTimeCase {
    std::string text;
    std::optional<TDateTime> value;
};

const DateTimeCase kDateTimeCases[] = {
    {"2004-01-01", 37987.0},
    {"2004-01-01T12:00", 37987.5},
    {"2004-01-01T18:00:00", 37987.75},
    {"2004-01-01T13:05:07.089", EncodeDateTime(2004, 1, 1, 13, 5, 7, 89)},
    {"2004-01-01T23:59:59.999", EncodeDateTime(2004, 1, 1, 23, 59, 59, 999)},
    {"1899-12-30", 0.0},
    {"1899-12-29T06:00", -1.25},
    {"2024-02-29", 45351.0},
    {"0001-01-01", -693593.0},
    {"9999-12-31", 2958465.0},
    {"@37987.5", 37987.5},
    {"@-1.25", -1.25},
    {"@0x1.28c7p+15", 37987.5},
    // Dates and times that do not exist.
    {"2023-02-29", std::nullopt},
    {"2023-02-30", std::nullopt},
    {"2023-04-31", std::nullopt},
    {"2023-13-01", std::nullopt},
    {"2023-00-10", std::nullopt},
    {"2023-01-00", std::nullopt},
    {"0000-01-01", std::nullopt},
    {"2023-01-01T24:00", std::nullopt},
    {"2023-01-01T25:00", std::nullopt},
    {"2023-01-01T12:60", std::nullopt},
    {"2023-01-01T12:00:60", std::nullopt},
    // Other shapes.
    {"", std::nullopt},
    {"2023-1-1", std::nullopt},
    {"20230-01-01", std::nullopt},
    {"2023/01/01", std::nullopt},
    {"2023-01-01 12:00", std::nullopt},
    {"2023-01-01t12:00", std::nullopt},
    {"2023-01-01T12", std::nullopt},
    {"2023-01-01T12:00:00.5", std::nullopt},
    {"2023-01-01T12:00:00.1234", std::nullopt},
    {"2023-01-01T12:00Z", std::nullopt},
    {"2023-01-01T", std::nullopt},
    {"@", std::nullopt},
    {"@noon", std::nullopt},
    {"37987.5", std::nullopt},
};

TEST(DateTimeArgumentTest, ReadsTheLocalFormsAndSerials) {
    for (const auto& c : kDateTimeCases) {
        SCOPED_TRACE(c.text);
        const DateTimeArgument parsed = ParseDateTimeArgument(c.text);
        EXPECT_EQ(parsed.value, c.value);
        EXPECT_EQ(parsed.error.empty(), c.value.has_value()) << parsed.error;
    }
}

}  // namespace
}  // namespace vesmark::cli
