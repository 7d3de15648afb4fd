// Speed of the extended formatter: every preset format of the dialog at an instant
// advancing one second per call, a format that overflows 256 bytes, decoding alone,
// and three peers rendering the default tool-button format: gmtime_r + strftime,
// ICU's SimpleDateFormat and a hand-written fixed routine (the floor). Heap
// allocations are counted through a global operator new (ICU allocates with
// malloc, so its count says nothing); at the end each peer's time is printed
// divided by ours. On a shared machine, steadier ratios come from
//   format_bench --benchmark_repetitions=7 --benchmark_enable_random_interleaving=true
// (the summary then uses the medians).
#include <benchmark/benchmark.h>

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <new>
#include <set>
#include <string>
#include <vector>

#include "filepath/ComFilePathUnit.hpp"
#include "format/uFormatDateTimeEx.hpp"
#include "platform/locale.hpp"
#include "platform/textconv.hpp"

#if VESMARK_HAVE_ICU
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>
#endif

// ---- Counting allocator ----------------------------------------------------

namespace {
std::uint64_t g_allocations = 0;

// Out of line, so that the compiler does not pair an inlined new with free.
[[gnu::noinline]] void* Allocate(std::size_t size) {
    ++g_allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
[[gnu::noinline]] void Release(void* p) noexcept { std::free(p); }
}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }
void operator delete[](void* p, std::size_t) noexcept { Release(p); }

namespace {

using vesmark::TDateTime;

// ---- Instants ----------------------------------------------------------------

constexpr TDateTime kStart = 37987.0 + (13 * 3600 + 5 * 60 + 7) / 86400.0;  // 2004-01-01 13:05:07
constexpr double kSecond = 1.0 / 86400.0;
constexpr double kUnixEpoch = 25569.0;  // 1970-01-01 as a date-time

// The instants of successive calls: `stepDays` apart, starting again after
// 2,000,000 steps (for day steps: the year 7479), so that every instant stays
// inside the calendar. No division, so that the stepping costs next to nothing.
class Instants {
public:
    explicit Instants(double stepDays) : stepDays_(stepDays) {}
    TDateTime Next() {
        const TDateTime x = kStart + static_cast<double>(step_) * stepDays_;
        if (++step_ == 2'000'000) step_ = 0;
        return x;
    }

private:
    double stepDays_;
    std::int64_t step_ = 0;
};

std::string Sjis(const char* utf8) { return vesmark::cp932::Utf8ToCp932(utf8).text; }

// ---- The floor: a fixed routine for exactly the default format ----------------

struct Civil {
    int year, month, day, weekday;  // weekday 0 = Sunday
    int hour, minute, second;
};

// Calendar fields of a non-negative date-time, decoded from scratch.
Civil DecodeFixed(TDateTime x) {
    const auto days = static_cast<std::int64_t>(x);
    auto ms = static_cast<std::int64_t>(std::llround((x - static_cast<double>(days)) * 86400000.0));
    if (ms >= 86400000) ms = 86400000 - 1;
    // Civil-from-days on days counted from 0000-03-01, in 400-year eras.
    const std::int64_t z = days + 693899;
    const std::int64_t era = z / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    Civil c{};
    c.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    c.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    c.year = static_cast<int>(yoe + era * 400 + (c.month <= 2 ? 1 : 0));
    c.weekday = static_cast<int>((days % 7 + 13) % 7);  // 1899-12-30 was a Saturday
    const auto secs = ms / 1000;
    c.hour = static_cast<int>(secs / 3600);
    c.minute = static_cast<int>(secs / 60 % 60);
    c.second = static_cast<int>(secs % 60);
    return c;
}

constexpr const char* kKanjiWeekdays[] = {"\x93\xfa", "\x8c\x8e", "\x89\xce", "\x90\x85",
                                          "\x96\xd8", "\x8b\xe0", "\x93\x79"};  // 日月火水木金土

inline char* Put2(char* p, int v) {
    p[0] = static_cast<char>('0' + v / 10);
    p[1] = static_cast<char>('0' + v % 10);
    return p + 2;
}

// "yyyy/mm/dd(aaa) hh:nn:ss" in CP932, fixed: 23 bytes.
std::string FloorFormat(TDateTime x) {
    const Civil c = DecodeFixed(x);
    char buf[32];
    char* p = Put2(Put2(buf, c.year / 100), c.year % 100);
    *p++ = '/';
    p = Put2(p, c.month);
    *p++ = '/';
    p = Put2(p, c.day);
    *p++ = '(';
    *p++ = kKanjiWeekdays[c.weekday][0];
    *p++ = kKanjiWeekdays[c.weekday][1];
    *p++ = ')';
    *p++ = ' ';
    p = Put2(p, c.hour);
    *p++ = ':';
    p = Put2(p, c.minute);
    *p++ = ':';
    p = Put2(p, c.second);
    return std::string(buf, static_cast<std::size_t>(p - buf));
}

// ---- Formats -------------------------------------------------------------

struct Preset {
    const char* name;
    const char* utf8;
};

// The presets of the two format boxes of the dialog.
const Preset kPresets[] = {
    {"button0", "yyyy/mm/dd\"(\"aaa\") \"hh:nn:ss"},
    {"button1", "%h\"時\"n\"分\"s\"秒\""},
    {"button2", "\"'\"yy mmm\".\" dd ddd\".\" hh:mm a.m./p.m."},
    {"button3", "ddd', 'dd' 'mmm' 'yyyy', 'hh:nn:ss"},
    {"button4", "%gee\"／\"mm\"／\"dd\"（\"aaa\"） \"hh\"：\"nn\"：\"ss AM%PM"},
    {"button5", "\\\"只今の時刻は \"ampmh\"時\"n\"分\"s\"秒です\""},
    {"button6", "YYY'年'MM'月'DD'日' am\\pmFF'時の月齢は'RRR'です。'"},
    {"button7", "\\ggge\"(\"jjjj\")年\" kkkk d\"日(\"aaaa\") \"am\\pmf\"時\""},
    {"menu0", "yyyy\"年\"mm\"月\"dd\"日（\"aaa\"）\""},
    {"menu1", "\"'\"yy mmm\".\" dd ddd"},
    {"menu2", "ddd', 'dd' 'mmm' 'yyyy"},
    {"menu3", "%gee\"／\"mm\"／\"dd\"（\"aaa\"）\""},
    {"menu4", "%\"今日の日付：\"yyyy\"年\"mm\"月\"dd\"日（\"aaa\"）\""},
    {"menu5", "\\'本日は'ggge'年' kkkk d'日です。'"},
    {"menu6", "yyy'年'm'月'd'日' a.m.\\p.m.f'時の月齢は'rrr'です。'"},
    {"menu7", "\\ggge\"(\"jjjj\")年\" kkkk d\"日(\"aaaa\")\""},
};

void UseFixedLocale() {
    vesmark::platform::LocaleSettings s;
    s.DateSeparator = '/';
    s.TimeSeparator = ':';
    s.ShortDateFormat = "yyyy/mm/dd";
    s.LongDateFormat = Sjis("yyyy'年'm'月'd'日'");
    s.ShortTimeFormat = "h:nn";
    s.LongTimeFormat = "h:nn:ss";
    s.TimeAMString = Sjis("午前");
    s.TimePMString = Sjis("午後");
    vesmark::platform::SetLocale(s);
}

// The same rendering along another road: the cache is first moved to another
// day, so that the instant is decoded in full.
std::string RenderedAfresh(const std::string& format, TDateTime x) {
    vesmark::DecodeDateTimeEx(x + 400.25);
    return vesmark::FormatDateTimeEx(format, x);
}

void ReportAllocations(benchmark::State& state, std::uint64_t before) {
    state.counters["allocs/call"] = benchmark::Counter(
        static_cast<double>(g_allocations - before) / static_cast<double>(state.iterations()));
}

// ---- Benchmarks ------------------------------------------------------------

void Ours(benchmark::State& state, const std::string& format, bool checkAgainstFloor) {
    Instants instants(kSecond);
    std::string out;
    TDateTime x = kStart;
    const std::uint64_t before = g_allocations;
    for (auto _ : state) {
        x = instants.Next();
        out = vesmark::FormatDateTimeEx(format, x);
        benchmark::DoNotOptimize(out);
    }
    ReportAllocations(state, before);
    if (out != RenderedAfresh(format, x)) state.SkipWithError("result differs from a fresh rendering");
    if (checkAgainstFloor && out != FloorFormat(x)) state.SkipWithError("result differs from the floor");
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(out.size()));
}

void BM_Preset(benchmark::State& state, const Preset* preset) {
    Ours(state, Sjis(preset->utf8), preset == &kPresets[0]);
}

void BM_Overflow(benchmark::State& state) {
    std::string format;
    while (format.size() < 400) format += Sjis(kPresets[7].utf8);
    Ours(state, format, false);
}

// The backup test's expansion of the default templates (one clock reading, the
// file-name and extension markers), measured beside the formatter.
void BM_ExpandBackupName(benchmark::State& state) {
    const std::string tmpl = Sjis("%F.~%X");
    const std::string name = Sjis("(ファイル名)");
    const std::string ext = Sjis("(拡張子)");
    std::string out;
    const std::uint64_t before = g_allocations;
    for (auto _ : state) {
        out = vesmark::ExpandBackupName(tmpl, name, ext, 99);
        benchmark::DoNotOptimize(out);
    }
    ReportAllocations(state, before);
    if (out != name + ".~" + ext) state.SkipWithError("expansion differs from the joined texts");
}

void Decode(benchmark::State& state, double stepDays) {
    Instants instants(stepDays);
    TDateTime x = kStart;
    const std::uint64_t before = g_allocations;
    for (auto _ : state) {
        x = instants.Next();
        vesmark::DecodeDateTimeEx(x);
        benchmark::ClobberMemory();
    }
    ReportAllocations(state, before);
    const Civil c = DecodeFixed(x);
    const vesmark::TDateCache& d = vesmark::DateCache;
    if (d.Year != c.year || d.Month != c.month || d.Day != c.day || d.Hour != c.hour || d.Minute != c.minute ||
        d.Second != c.second || d.DayOfWeek != c.weekday + 1) {
        state.SkipWithError("decoded fields differ from the fixed routine");
    }
}

void BM_DecodeTimeStep(benchmark::State& state) { Decode(state, kSecond); }
void BM_DecodeDayStep(benchmark::State& state) { Decode(state, 1.0); }

void BM_Floor(benchmark::State& state) {
    Instants instants(kSecond);
    std::string out;
    TDateTime x = kStart;
    const std::uint64_t before = g_allocations;
    for (auto _ : state) {
        x = instants.Next();
        out = FloorFormat(x);
        benchmark::DoNotOptimize(out);
    }
    ReportAllocations(state, before);
    if (out != RenderedAfresh(Sjis(kPresets[0].utf8), x)) state.SkipWithError("floor differs from the formatter");
}

constexpr const char* kEnglishWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

void BM_Strftime(benchmark::State& state) {
    Instants instants(kSecond);
    std::string out;
    TDateTime x = kStart;
    const std::uint64_t before = g_allocations;
    for (auto _ : state) {
        x = instants.Next();
        const auto t = static_cast<std::time_t>(std::llround((x - kUnixEpoch) * 86400.0));
        std::tm tm{};
        gmtime_r(&t, &tm);
        char buf[64];
        const std::size_t n = std::strftime(buf, sizeof buf, "%Y/%m/%d(%a) %H:%M:%S", &tm);
        out = std::string(buf, n);  // a fresh string per call, as the formatter returns
        benchmark::DoNotOptimize(out);
    }
    ReportAllocations(state, before);
    const Civil c = DecodeFixed(x);
    char expected[64];
    std::snprintf(expected, sizeof expected, "%04d/%02d/%02d(%s) %02d:%02d:%02d", c.year, c.month, c.day,
                  kEnglishWeekdays[c.weekday], c.hour, c.minute, c.second);
    if (out != expected) state.SkipWithError("strftime result differs from the fixed routine");
}

#if VESMARK_HAVE_ICU
void BM_Icu(benchmark::State& state) {
    UErrorCode status = U_ZERO_ERROR;
    icu::SimpleDateFormat format(icu::UnicodeString("yyyy/MM/dd(E) HH:mm:ss"), icu::Locale("ja_JP"), status);
    if (U_FAILURE(status)) {
        state.SkipWithError("ICU SimpleDateFormat could not be created");
        return;
    }
    format.adoptTimeZone(icu::TimeZone::createTimeZone("GMT"));
    Instants instants(kSecond);
    std::string out;
    TDateTime x = kStart;
    const std::uint64_t before = g_allocations;
    for (auto _ : state) {
        x = instants.Next();
        const UDate when = std::round((x - kUnixEpoch) * 86400.0) * 1000.0;
        icu::UnicodeString text;
        format.format(when, text);
        out.clear();
        text.toUTF8String(out);
        benchmark::DoNotOptimize(out);
    }
    ReportAllocations(state, before);
    if (out != vesmark::cp932::Cp932ToUtf8(FloorFormat(x))) state.SkipWithError("ICU result differs from the floor");
}
#endif

// ---- Ratios ----------------------------------------------------------------

// The console output, plus the CPU time per iteration of every run for the summary
// (CPU time, because the machine may be shared with other work).
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    // With --benchmark_repetitions the median is kept; otherwise the single run.
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const std::string name = run.run_name.str();
            if (run.run_type == Run::RT_Iteration && medians_.count(name) == 0) {
                times_[name] = run.GetAdjustedCPUTime();
            } else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                times_[name] = run.GetAdjustedCPUTime();
                medians_.insert(name);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    const std::map<std::string, double>& times() const { return times_; }

private:
    std::map<std::string, double> times_;
    std::set<std::string> medians_;
};

void PrintRatios(const std::map<std::string, double>& times) {
    const auto ours = times.find("BM_Preset/button0");
    if (ours == times.end()) return;
    std::printf("\nDefault format yyyy/mm/dd\"(\"aaa\") \"hh:nn:ss: formatter %.1f ns per call\n", ours->second);
    const struct {
        const char* name;
        const char* label;
    } peers[] = {
        {"BM_Strftime", "gmtime_r + strftime"},
        {"BM_Icu", "ICU SimpleDateFormat"},
        {"BM_Floor", "hand-written floor"},
    };
    for (const auto& peer : peers) {
        const auto it = times.find(peer.name);
        if (it == times.end()) continue;
        std::printf("  %-30s %8.1f ns   peer / formatter = %6.2f   formatter / peer = %5.2f\n", peer.label,
                    it->second, it->second / ours->second, ours->second / it->second);
    }
}

}  // namespace

int main(int argc, char** argv) {
    UseFixedLocale();
    for (const Preset& preset : kPresets) {
        benchmark::RegisterBenchmark((std::string("BM_Preset/") + preset.name).c_str(), BM_Preset, &preset);
    }
    benchmark::RegisterBenchmark("BM_Overflow", BM_Overflow);
    benchmark::RegisterBenchmark("BM_DecodeTimeStep", BM_DecodeTimeStep);
    benchmark::RegisterBenchmark("BM_DecodeDayStep", BM_DecodeDayStep);
    benchmark::RegisterBenchmark("BM_ExpandBackupName", BM_ExpandBackupName);
    benchmark::RegisterBenchmark("BM_Floor", BM_Floor);
    benchmark::RegisterBenchmark("BM_Strftime", BM_Strftime);
#if VESMARK_HAVE_ICU
    benchmark::RegisterBenchmark("BM_Icu", BM_Icu);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    PrintRatios(reporter.times());
    return 0;
}
