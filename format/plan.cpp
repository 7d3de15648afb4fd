// Prepared formats: the scan mirrors the interpreter's loop for the tokens it
// accepts and gives up on every other one, so a usable plan renders exactly what
// the interpreter renders.
#include "format/plan.hpp"

#include <algorithm>
#include <array>

#include "format/interpreter.hpp"
#include "format/scan.hpp"
#include "format/tables.hpp"
#include "format/uFormatDateTimeEx.hpp"
#include "platform/cp932.hpp"

namespace vesmark::formatter {
namespace {

constexpr std::size_t kMaxDigits = 10;  // of any std::uint32_t

// A weekday name table laid out for one 4-byte copy: index 0 and 8 to 15 (a day
// outside 1..7, as before 0001-01-01) are empty.
struct PaddedNames {
    char bytes[16][4];
    std::uint8_t length[16];
};

constexpr PaddedNames Pad(const std::string_view (&table)[7]) {
    PaddedNames names{};
    for (std::size_t i = 0; i < 7; ++i) {
        for (std::size_t k = 0; k < table[i].size(); ++k) names.bytes[i + 1][k] = table[i][k];
        names.length[i + 1] = static_cast<std::uint8_t>(table[i].size());
    }
    return names;
}

constexpr PaddedNames kKanjiNames = Pad(DayNamesKanji);
constexpr PaddedNames kKanaNames = Pad(DayNamesKanjiKana);
constexpr std::size_t kLongestName = 4;
static_assert(std::all_of(std::begin(DayNamesKanji), std::end(DayNamesKanji),
                          [](std::string_view s) { return s.size() <= kLongestName; }));
static_assert(std::all_of(std::begin(DayNamesKanjiKana), std::end(DayNamesKanjiKana),
                          [](std::string_view s) { return s.size() <= kLongestName; }));

inline char* PutName(char* to, const PaddedNames& names, unsigned day) noexcept {
    const unsigned i = day < 16 ? day : 0;
    std::memcpy(to, names.bytes[i], 4);
    return to + names.length[i];
}

// The value in decimal, filled on the left to `width` with `pad`; as
// FormatOutput::AppendNumber in ASCII digits.
[[gnu::noinline]] char* PutNumber(char* to, std::uint32_t value, unsigned width, char pad) noexcept {
    unsigned length = 1;
    for (std::uint32_t v = value; v >= 10; v /= 10) ++length;
    const unsigned total = std::max(width, length);
    char* p = to + total;
    do {
        *--p = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (p != to) *--p = pad;
    return to + total;
}

inline char* PutNumber2(char* to, std::uint32_t value, char pad) noexcept {
    if (value >= 100) return PutNumber(to, value, 2, pad);
    std::memcpy(to, kDigitPairs + value * 2, 2);
    if (value < 10) to[0] = pad;
    return to + 2;
}

inline char* PutNumber4(char* to, std::uint32_t value, char pad) noexcept {
    if (value < 1000 || value >= 10000) return PutNumber(to, value, 4, pad);
    std::memcpy(to, kDigitPairs + value / 100 * 2, 2);
    std::memcpy(to + 2, kDigitPairs + value % 100 * 2, 2);
    return to + 4;
}

}  // namespace

void FormatPlan::AppendLiteral(const char* bytes, std::size_t n) noexcept {
    // The bound keeps every literal within the pending buffer.
    n = std::min(n, sizeof pending_ - pendingLength_);
    std::memcpy(pending_ + pendingLength_, bytes, n);
    pendingLength_ += n;
    bound_ += n;
}

bool FormatPlan::AddStep(Op op, Field field, int width, char pad) noexcept {
    // A pending literal too long for a step goes first, as a step of its own.
    if (pendingLength_ > kShortLiteral) {
        if (count_ == kMaxSteps) return false;
        Step& s = steps_[count_++];
        s = Step{};
        s.op = Op::LongLiteral;
        s.offset = static_cast<std::uint16_t>(poolUsed_);
        s.length = static_cast<std::uint16_t>(pendingLength_);
        std::memcpy(pool_ + poolUsed_, pending_, pendingLength_);
        poolUsed_ += pendingLength_;
        pendingLength_ = 0;
    }
    if (count_ == kMaxSteps) return false;
    Step& s = steps_[count_++];
    s = Step{};
    std::memcpy(s.literal, pending_, pendingLength_);
    s.literalLength = static_cast<std::uint8_t>(pendingLength_);
    pendingLength_ = 0;
    s.op = op;
    s.field = field;
    s.width = static_cast<std::uint8_t>(width);
    s.pad = pad;
    return true;
}

bool FormatPlan::Prepare(std::string_view text, char dateSeparator, char timeSeparator) noexcept {
    usable_ = false;
    count_ = 0;
    bound_ = 0;
    pendingLength_ = 0;
    poolUsed_ = 0;
    dateSeparator_ = dateSeparator;
    timeSeparator_ = timeSeparator;
    if (text.size() > kMaxText) {
        size_ = kNoText;
        return false;
    }
    std::memcpy(text_, text.data(), text.size());
    size_ = text.size();
    const std::string_view t(text_, size_);

    // A number adds at most its digits, or its filled width.
    const auto number = [&](Field field, int width, TokenCase c) {
        bound_ += std::max(kMaxDigits, static_cast<std::size_t>(width));
        const char pad = PadChars[static_cast<int>(c)];
        if (width == 2) return AddStep(Op::Number2, field, width, pad);
        if (width == 4) return AddStep(Op::Number4, field, width, pad);
        return AddStep(Op::Number, field, width, pad);
    };

    bool ok = !t.empty();  // the empty text is the composite "C" (or nothing at all)
    std::size_t pos = 0;
    while (ok && pos < t.size() && bound_ <= static_cast<std::size_t>(FormatOutput::kCapacity)) {
        const char b = t[pos];
        const std::size_t start = pos++;
        const TokenCase c = (b >= 'a' && b <= 'z') ? TokenCase::Lower : TokenCase::Upper;
        switch (b) {
            case '"':
            case '\'': {
                // As the interpreter's quoted literal: up to the closing quote, the
                // end or a zero byte (which the next round refuses).
                const std::size_t from = pos;
                while (pos < t.size()) {
                    const char q = t[pos];
                    if (q == b || q == '\0') break;
                    pos += (cp932::IsLeadByte(q) && pos + 1 < t.size() && t[pos + 1] != '\0') ? 2 : 1;
                }
                AppendLiteral(t.data() + from, pos - from);
                if (pos < t.size() && t[pos] == b) ++pos;
                break;
            }
            case '/':
                if (dateSeparator != '\0') AppendLiteral(&dateSeparator, 1);
                break;
            case ':':
                if (timeSeparator != '\0') AppendLiteral(&timeSeparator, 1);
                break;
            case 'y': case 'Y': {
                const std::int32_t n = CountRun(t, pos, b);
                ok = n <= 2 ? number(kYear2, n, c) : number(kYear, n == 3 ? 1 : 4, c);
                break;
            }
            case 'm': case 'M': {
                const std::int32_t n = CountRun(t, pos, b);
                ok = n <= 2 && number(kMonth, n, c);
                break;
            }
            case 'd': case 'D': {
                const std::int32_t n = CountRun(t, pos, b);
                ok = n <= 2 && number(kDay, n, c);
                break;
            }
            case 'h': case 'H': {
                const std::int32_t n = CountRun(t, pos, b);
                ok = n <= 2 && number(kHour, n, c);
                break;
            }
            case 'n': case 'N': {
                const std::int32_t n = CountRun(t, pos, b);
                ok = n <= 2 ? number(kMinute, n, c) : number(kMinuteOfDay, n == 3 ? 0 : 4, c);
                break;
            }
            case 's': case 'S': {
                const std::int32_t n = CountRun(t, pos, b);
                ok = n <= 2 ? number(kSecond, n, c) : number(kSecondOfDay, n == 3 ? 0 : 5, c);
                break;
            }
            case 'z': case 'Z': {
                const std::int32_t n = CountRun(t, pos, b);
                ok = number(kMilliSecond, n == 1 ? 1 : 3, c);
                break;
            }
            case 'a': case 'A': {
                // A run of 1 is a meridiem pattern; of 2 (either case) and 3 (lower
                // case) the weekday name as it stands.
                const std::int32_t n = CountRun(t, pos, b);
                if (n == 2 || (n == 3 && c == TokenCase::Lower)) {
                    bound_ += kLongestName;
                    ok = AddStep(c == TokenCase::Upper ? Op::WeekdayKana : Op::WeekdayKanji);
                } else {
                    ok = false;
                }
                break;
            }
            default:
                if (cp932::IsLeadByte(b)) {
                    pos = start + CharLengthAt(t, start);
                    AppendLiteral(t.data() + start, pos - start);
                } else if (IsPlain(b)) {
                    while (pos < t.size() && IsPlain(t[pos])) ++pos;
                    AppendLiteral(t.data() + start, pos - start);
                } else {
                    ok = false;  // every other token, the digit modes and a zero byte
                }
                break;
        }
    }
    ok = ok && bound_ <= static_cast<std::size_t>(FormatOutput::kCapacity);
    if (ok && pendingLength_ > 0) ok = AddStep(Op::None);
    usable_ = ok;
    return usable_;
}

std::size_t FormatPlan::Render(char* to) const noexcept {
    const TDateCache& d = DateCache;
    // As the tokens compute them.
    const std::uint32_t minuteOfDay = d.Hour * 60u + d.Minute;
    const std::array<std::uint32_t, kFieldCount> values = {
        d.Year % 100u, d.Year, d.Month, d.Day, d.Hour, d.Minute, minuteOfDay, d.Second,
        minuteOfDay * 60u + d.Second, d.MilliSecond,
    };
    char* p = to;
    for (const Step* s = steps_; s != steps_ + count_; ++s) {
        std::memcpy(p, s->literal, kShortLiteral);  // whole, only literalLength counts
        p += s->literalLength;
        switch (s->op) {
            case Op::None: break;
            case Op::LongLiteral:
                std::memcpy(p, pool_ + s->offset, s->length);
                p += s->length;
                break;
            case Op::Number2: p = PutNumber2(p, values[s->field], s->pad); break;
            case Op::Number4: p = PutNumber4(p, values[s->field], s->pad); break;
            case Op::Number: p = PutNumber(p, values[s->field], s->width, s->pad); break;
            case Op::WeekdayKanji: p = PutName(p, kKanjiNames, d.DayOfWeek); break;
            case Op::WeekdayKana: p = PutName(p, kKanaNames, d.DayOfWeek); break;
        }
    }
    return static_cast<std::size_t>(p - to);
}

}  // namespace vesmark::formatter
