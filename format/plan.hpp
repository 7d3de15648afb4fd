// Prepared formats: a format text scanned once into a list of steps, so that the
// same text rendered again (a clock redraws its format every second) is written
// without reading it byte by byte. Only texts made of literals, the separators,
// the numeric fields and the kanji or kana weekday can be prepared; everything
// else (composites, digit modes, meridiem, names, a zero byte) stays with the
// interpreter, which gives the same bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "format/output.hpp"

namespace vesmark::formatter {

class FormatPlan {
public:
    static constexpr std::size_t kMaxText = 128;  // longer texts are not prepared
    static constexpr std::size_t kMaxSteps = 64;
    // Render writes a few bytes past the rendering (whole words at a time).
    static constexpr std::size_t kBufferSize = FormatOutput::kCapacity + 16;

    // Scans `text` with the separators it will render with (the locale's, zero for
    // none), and remembers all three. Returns Usable().
    bool Prepare(std::string_view text, char dateSeparator, char timeSeparator) noexcept;

    // True when the text and the separators are exactly those last given to Prepare.
    bool Matches(std::string_view text, char dateSeparator, char timeSeparator) const noexcept {
        return text.size() == size_ && dateSeparator == dateSeparator_ && timeSeparator == timeSeparator_ &&
               std::memcmp(text.data(), text_, size_) == 0;
    }

    // True when the text last prepared renders through Render.
    bool Usable() const noexcept { return usable_; }

    // Writes the rendering of the prepared text from DateCache, exactly as the
    // interpreter would with the prepared separators, into a buffer of kBufferSize
    // bytes; returns its length (at most FormatOutput::kCapacity). Only for a
    // usable plan.
    std::size_t Render(char* to) const noexcept;

    // Forgets the text, so that the next Matches fails.
    void Clear() noexcept {
        size_ = kNoText;
        usable_ = false;
    }

private:
    enum class Op : std::uint8_t {
        None,          // the literal alone
        LongLiteral,   // then `length` bytes of the pool from `offset`
        Number2,       // a field filled to 2 digits
        Number4,       // a field filled to 4 digits
        Number,        // a field filled to `width` digits
        WeekdayKanji,  // 日 .. 土
        WeekdayKana,   // にち .. ど
    };
    enum Field : std::uint8_t {
        kYear2, kYear, kMonth, kDay, kHour, kMinute, kMinuteOfDay, kSecond, kSecondOfDay, kMilliSecond,
        kFieldCount
    };
    static constexpr std::size_t kShortLiteral = 8;

    // A short literal, then one operation.
    struct Step {
        char literal[kShortLiteral];
        std::uint8_t literalLength;
        Op op;
        Field field;
        std::uint8_t width;
        char pad;
        std::uint16_t offset;
        std::uint16_t length;
    };

    void AppendLiteral(const char* bytes, std::size_t n) noexcept;
    bool AddStep(Op op, Field field = kYear, int width = 0, char pad = '\0') noexcept;

    static constexpr std::size_t kNoText = ~std::size_t{0};

    char text_[kMaxText] = {};
    std::size_t size_ = kNoText;
    char dateSeparator_ = '\0';
    char timeSeparator_ = '\0';
    bool usable_ = false;
    std::size_t bound_ = 0;  // the most bytes the steps can write
    std::size_t count_ = 0;
    Step steps_[kMaxSteps] = {};
    // The literal bytes not yet given to a step; then the long literals.
    char pending_[FormatOutput::kCapacity] = {};
    std::size_t pendingLength_ = 0;
    char pool_[FormatOutput::kCapacity] = {};
    std::size_t poolUsed_ = 0;
};

}  // namespace vesmark::formatter
