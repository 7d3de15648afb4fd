// Speed of the file-name helpers: the backup template (the default one and
// templates of 16 to 1024 codes) and the sanitiser. Every benchmark compares its
// last result with a text put together independently.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>

#include "filepath/ComFilePathUnit.hpp"
#include "platform/clock.hpp"
#include "platform/datetime.hpp"

namespace {

using vesmark::ExpandBackupName;
using vesmark::SanitizeFileName;

// "(ファイル名)" and "(拡張子)" in CP932, the backup test's placeholders.
constexpr std::string_view kFileName = "(\x83\x74\x83\x40\x83\x43\x83\x8b\x96\xbc)";
constexpr std::string_view kExtension = "(\x8a\x67\x92\xa3\x8e\x71)";

// Saturday 2003-01-18 19:48:37, a moon age of 16 days.
struct FixedClock {
    FixedClock() {
        const double moment = *vesmark::EncodeDateTime(2003, 1, 18, 19, 48, 37, 0);
        vesmark::platform::SetClock([moment] { return moment; });
    }
    ~FixedClock() { vesmark::platform::SetClock({}); }
};

// Each code with what it gives at the fixed moment, counter 99.
struct CodeText {
    std::string_view code;
    std::string_view text;
};
constexpr std::array<CodeText, 13> kCodes{{
    {"%A", "PM"}, {"%C", "99"}, {"%D", "18"}, {"%E", "15"}, {"%F", kFileName},
    {"%H", "19"}, {"%M", "01"}, {"%N", "48"}, {"%R", "16"}, {"%S", "37"},
    {"%W", "SAT"}, {"%X", kExtension}, {"%Y", "03"},
}};

void BM_ExpandDefaultTemplate(benchmark::State& state) {
    // The system clock: its reading is part of every expansion.
    const std::string expected = std::string(kFileName) + ".~" + std::string(kExtension);
    std::string out;
    for (auto _ : state) {
        out = ExpandBackupName("%F.~%X", kFileName, kExtension, 99);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    if (out != expected) state.SkipWithError("wrong expansion of the default template");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ExpandDefaultTemplate);

// A template of n codes, the thirteen codes in turn with a "-" behind each.
void BM_ExpandAllCodes(benchmark::State& state) {
    const FixedClock clock;
    const auto n = static_cast<std::size_t>(state.range(0));
    std::string tmpl;
    std::string expected;
    for (std::size_t i = 0; i < n; ++i) {
        const CodeText& c = kCodes[i % kCodes.size()];
        tmpl.append(c.code).append("-");
        expected.append(c.text).append("-");
    }
    std::string out;
    for (auto _ : state) {
        out = ExpandBackupName(tmpl, kFileName, kExtension, 99);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    if (out != expected) state.SkipWithError("wrong expansion of the all-codes template");
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ExpandAllCodes)->RangeMultiplier(4)->Range(16, 1024)->Complexity();

// A template of n unknown codes: each loses its "%", so every one of them is a
// separate step of the expansion.
void BM_ExpandUnknownCodes(benchmark::State& state) {
    const FixedClock clock;
    const auto n = static_cast<std::size_t>(state.range(0));
    std::string tmpl;
    std::string expected;
    for (std::size_t i = 0; i < n; ++i) {
        const char letter = static_cast<char>('a' + i % 26);
        tmpl.append("%").push_back(letter);
        expected.push_back(letter);
    }
    std::string out;
    for (auto _ : state) {
        out = ExpandBackupName(tmpl, kFileName, kExtension, 99);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    if (out != expected) state.SkipWithError("wrong expansion of the unknown-code template");
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ExpandUnknownCodes)->RangeMultiplier(4)->Range(16, 1024)->Complexity();

// A 256-byte folder-like text: names with double-byte characters (ソ and 表 have
// the second byte 0x5C, ポ 0x7C), single and doubled backslashes, and forbidden
// characters.
void BM_SanitizeFileName(benchmark::State& state) {
    struct Piece {
        std::string_view in;
        std::string_view out;
    };
    static constexpr Piece kPieces[] = {
        {"\\backup", "\\backup"},
        {"\\\\", "__"},
        {"\x83\x5c\x83\x74\x83\x67", "\x83\x5c\x83\x74\x83\x67"},  // ソフト
        {"\x95\x5c\\", "\x95\x5c\\"},                              // 表 and a backslash
        {"a:b*c?", "a_b_c_"},
        {"\x83\x7c|", "\x83\x7c_"},                                // ポ and a bar
        {"\"<x>\"/", "__x___"},
    };
    std::string text;
    std::string expected;
    for (std::size_t i = 0;; ++i) {
        const Piece& p = kPieces[i % std::size(kPieces)];
        if (text.size() + p.in.size() > 256) break;
        text.append(p.in);
        expected.append(p.out);
    }
    expected.append(256 - text.size(), 'x');
    text.append(256 - text.size(), 'x');
    std::string out;
    for (auto _ : state) {
        out = SanitizeFileName(text);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    if (out != expected) state.SkipWithError("wrong sanitised text");
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_SanitizeFileName);

}  // namespace

BENCHMARK_MAIN();
