// vesmark-format's command line.
#include "cli/command_line.hpp"

#include <istream>
#include <optional>
#include <ostream>
#include <string_view>

#include "cli/batch.hpp"
#include "cli/filename_helpers.hpp"
#include "cli/locale_override.hpp"
#include "cli/request_fields.hpp"
#include "format/slip_check.hpp"
#include "format/uFormatDateTimeEx.hpp"
#include "platform/clock.hpp"
#include "platform/cp932.hpp"
#include "platform/locale.hpp"
#include "platform/textconv.hpp"

namespace vesmark::cli {

namespace {

constexpr std::string_view kUsage =
    R"usage(usage: vesmark-format [--at DATETIME] [--locale NAME=VALUE]... [--hex] FORMAT...
       vesmark-format --backup TEMPLATE [--name TEXT] [--ext TEXT] [--count N]
                      [--at DATETIME] [--locale NAME=VALUE]... [--hex]
       vesmark-format --sanitize TEXT [--hex]
       vesmark-format --check FORMAT
       vesmark-format --show-locale [--locale NAME=VALUE]... [--hex]
       vesmark-format --batch [--locale NAME=VALUE]...

Renders each FORMAT of the extended date-time format language at DATETIME
(default: now) and prints one line per format.

  --at DATETIME        local time: YYYY-MM-DD, YYYY-MM-DDTHH:MM,
                       YYYY-MM-DDTHH:MM:SS, YYYY-MM-DDTHH:MM:SS.mmm, or a serial
                       of the date-time type (days since 1899-12-30) as @SERIAL
  --locale NAME=VALUE  overrides one locale setting: date-sep, time-sep (one
                       single-byte character, or nothing for none), short-date,
                       long-date, short-time, long-time, am, pm
  --show-locale        prints the eight locale settings in effect
  --hex                prints the code page 932 bytes as lowercase hex
  --backup TEMPLATE    prints the expanded backup file-name template;
                       --name TEXT (default "(ファイル名)"), --ext TEXT
                       (default "(拡張子)"), --count N (default 99)
  --sanitize TEXT      prints TEXT with the characters a file name cannot hold
                       turned into "_"
  --check FORMAT       prints a line for each run of m or M (the month) that
                       stands where the minute (n) is expected: just after an
                       hour (h, H, f, F) or just before a second (s, S)
  --batch              answers requests from standard input, one per line
  --help               prints this text
  --                   every later argument is a FORMAT

Batch requests: fields separated by one TAB; texts are the hex of their code
page 932 bytes; SERIAL is a number as C's strtod reads it.
  format SERIAL HEXFMT                          -> hex of the rendered text
  decode SERIAL                                 -> ok
  render HEXFMT                                 -> hex, of the value decoded last
  cache                                         -> LastDateTime IsLeapYear Era
       Year Month Day DayOfWeek Hour Minute Second MilliSecond DayNumber
  backup SERIAL COUNT HEXTEMPLATE HEXNAME HEXEXT -> hex
  sanitize HEXTEXT                              -> hex
  locale NAME HEXVALUE                          -> ok
A malformed request is answered with error TAB REASON.

Exit status: 0 done, 1 the output could not be written or --check found
something, 2 a bad option, date-time or text.
)usage";

struct Options {
    bool help = false;
    bool hex = false;
    bool batch = false;
    bool showLocale = false;
    std::optional<std::string> at;
    std::optional<std::string> backup;
    std::optional<std::string> name;
    std::optional<std::string> ext;
    std::optional<std::string> count;
    std::optional<std::string> sanitize;
    std::optional<std::string> check;
    std::vector<std::string> locales;  // NAME=VALUE, in the order given
    std::vector<std::string> formats;
};

// A failure that ends the run with exit status 2 and this one message line.
struct UsageError {
    std::string message;
};

std::optional<std::string>* SingleValueOption(Options& o, std::string_view name) {
    if (name == "--at") return &o.at;
    if (name == "--backup") return &o.backup;
    if (name == "--name") return &o.name;
    if (name == "--ext") return &o.ext;
    if (name == "--count") return &o.count;
    if (name == "--sanitize") return &o.sanitize;
    if (name == "--check") return &o.check;
    return nullptr;
}

bool* FlagOption(Options& o, std::string_view name) {
    if (name == "--help" || name == "-h") return &o.help;
    if (name == "--hex") return &o.hex;
    if (name == "--batch") return &o.batch;
    if (name == "--show-locale") return &o.showLocale;
    return nullptr;
}

std::optional<UsageError> ParseArguments(const std::vector<std::string>& args, Options& o) {
    bool onlyFormats = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyFormats || arg.size() < 2 || arg[0] != '-') {
            o.formats.push_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyFormats = true;
            continue;
        }
        std::string name = arg;
        std::optional<std::string> value;
        if (const std::size_t eq = arg.find('='); arg.starts_with("--") && eq != std::string::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
        }
        if (bool* flag = FlagOption(o, name)) {
            if (value) return UsageError{name + " takes no value"};
            *flag = true;
            continue;
        }
        std::optional<std::string>* single = SingleValueOption(o, name);
        if (single == nullptr && name != "--locale")
            return UsageError{"unknown option '" + name +
                              "' (a FORMAT that starts with '-' goes after --)"};
        if (!value) {
            if (i + 1 >= args.size()) return UsageError{name + " needs a value"};
            value = args[++i];
        }
        if (single == nullptr) {
            o.locales.push_back(*value);
        } else {
            if (*single) return UsageError{name + " is given twice"};
            *single = std::move(value);
        }
    }
    return std::nullopt;
}

std::optional<UsageError> CheckCombination(const Options& o) {
    const int modes = (o.formats.empty() ? 0 : 1) + (o.batch ? 1 : 0) + (o.backup ? 1 : 0) +
                      (o.sanitize ? 1 : 0) + (o.showLocale ? 1 : 0) + (o.check ? 1 : 0);
    if (modes == 0) return UsageError{"no FORMAT given (see --help)"};
    if (modes > 1)
        return UsageError{
            "FORMAT, --batch, --backup, --sanitize, --show-locale and --check exclude each other"};
    if (o.at && o.formats.empty() && !o.backup)
        return UsageError{"--at applies to FORMAT and --backup only"};
    if (o.hex && o.batch) return UsageError{"--hex does not apply to --batch"};
    if (!o.backup && (o.name || o.ext || o.count))
        return UsageError{std::string(o.name ? "--name" : o.ext ? "--ext" : "--count") +
                          " applies to --backup only"};
    if (o.sanitize && !o.locales.empty()) return UsageError{"--locale does not apply to --sanitize"};
    if (o.check && !o.locales.empty()) return UsageError{"--locale does not apply to --check"};
    if (o.check && o.hex) return UsageError{"--hex does not apply to --check"};
    return std::nullopt;
}

// The CP932 form of an argument; `what` names it in the message.
std::string ToCp932(std::string_view utf8, const std::string& what) {
    cp932::FromUtf8Result r = cp932::Utf8ToCp932(utf8);
    if (!r.ok) throw UsageError{what + ": " + r.message};
    return std::move(r.text);
}

void ApplyLocaleOverrides(const std::vector<std::string>& overrides) {
    if (overrides.empty()) return;
    platform::LocaleSettings settings = platform::Locale();
    for (const std::string& item : overrides) {
        const std::size_t eq = item.find('=');
        if (eq == std::string::npos) throw UsageError{"--locale takes NAME=VALUE, not '" + item + "'"};
        const std::string name = item.substr(0, eq);
        const std::string value = ToCp932(std::string_view(item).substr(eq + 1), "--locale " + name);
        switch (SetLocaleSetting(settings, name, value)) {
        case LocaleSettingError::None:
            break;
        case LocaleSettingError::UnknownName:
            throw UsageError{"--locale: unknown setting '" + name +
                             "' (date-sep, time-sep, short-date, long-date, short-time, "
                             "long-time, am, pm)"};
        case LocaleSettingError::SeparatorTooLong:
            throw UsageError{"--locale " + name +
                             ": a separator is one single-byte character or nothing"};
        }
    }
    platform::SetLocale(settings);
}

TDateTime Instant(const Options& o) {
    if (!o.at) return platform::Now();
    const DateTimeArgument parsed = ParseDateTimeArgument(*o.at);
    if (!parsed.value) throw UsageError{"--at '" + *o.at + "': " + parsed.error};
    return *parsed.value;
}

class Printer {
public:
    Printer(std::ostream& out, bool hex) : out_(out), hex_(hex) {}
    void Line(std::string_view cp932Text) {
        out_ << (hex_ ? HexEncode(cp932Text) : cp932::Cp932ToUtf8(cp932Text)) << '\n';
    }

private:
    std::ostream& out_;
    bool hex_;
};

void RenderFormats(const Options& o, Printer& print) {
    const TDateTime at = Instant(o);
    std::vector<std::string> formats;
    formats.reserve(o.formats.size());
    for (std::size_t i = 0; i < o.formats.size(); ++i)
        formats.push_back(ToCp932(o.formats[i], "FORMAT " + std::to_string(i + 1)));
    for (const std::string& format : formats) print.Line(FormatDateTimeEx(format, at));
}

void ExpandBackup(const Options& o, Printer& print) {
    if (!FileNameHelpersAvailable()) throw UsageError{"--backup is not available in this build"};
    const std::string tmpl = ToCp932(*o.backup, "--backup");
    const std::string name = ToCp932(o.name.value_or("(ファイル名)"), "--name");
    const std::string ext = ToCp932(o.ext.value_or("(拡張子)"), "--ext");
    int count = 99;
    if (o.count) {
        const auto parsed = ParseCount(*o.count);
        if (!parsed)
            throw UsageError{"--count '" + *o.count +
                             "': expected a whole number from -2147483648 to 2147483647"};
        count = *parsed;
    }
    const TDateTime at = Instant(o);
    print.Line(ExpandBackupNameAt(at, tmpl, name, ext, count).value_or(""));
}

void Sanitize(const Options& o, Printer& print) {
    if (!FileNameHelpersAvailable()) throw UsageError{"--sanitize is not available in this build"};
    const std::string text = ToCp932(*o.sanitize, "--sanitize");
    print.Line(SanitizeFileNameText(text).value_or(""));
}

// One line per month run where a minute is expected; true when there was any.
bool CheckFormat(const Options& o, std::ostream& out) {
    const std::string format = ToCp932(*o.check, "--check");
    const std::vector<MinuteSlip> slips = FindMinuteSlips(format);
    for (const MinuteSlip& slip : slips) {
        std::size_t column = 1;
        for (std::size_t pos = 0; pos < slip.offset; pos += cp932::CharLength(format, pos)) ++column;
        const char* where = slip.afterHour && slip.beforeSecond ? "between the hour and the second"
                            : slip.afterHour                    ? "after the hour"
                                                                : "before the second";
        out << "column " << column << ": " << slip.Written() << " " << where
            << " is the month; the minute is " << slip.Minute() << '\n';
    }
    return !slips.empty();
}

void ShowLocale(std::ostream& out, bool hex) {
    const platform::LocaleSettings& settings = platform::Locale();
    for (const std::string_view name : kLocaleSettingNames) {
        const std::string value = LocaleSettingValue(settings, name);
        out << name << '=' << (hex ? HexEncode(value) : cp932::Cp932ToUtf8(value)) << '\n';
    }
}

int Finish(std::ostream& out, std::ostream& err) {
    out.flush();
    if (out) return kExitOk;
    err << "vesmark-format: the output could not be written\n";
    return kExitOutputFailed;
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    Options o;
    std::optional<UsageError> error = ParseArguments(args, o);
    if (!error && o.help) {
        out << kUsage;
        return Finish(out, err);
    }
    if (!error) error = CheckCombination(o);
    if (!error) {
        try {
            ApplyLocaleOverrides(o.locales);
            Printer print(out, o.hex);
            if (o.batch) {
                out.flush();
                return RunBatch(in, out) == 0 ? kExitOk : kExitOutputFailed;
            }
            if (o.backup)
                ExpandBackup(o, print);
            else if (o.sanitize)
                Sanitize(o, print);
            else if (o.showLocale)
                ShowLocale(out, o.hex);
            else if (o.check) {
                const bool found = CheckFormat(o, out);
                const int status = Finish(out, err);
                return status == kExitOk && found ? kExitCheckFound : status;
            }
            else
                RenderFormats(o, print);
            return Finish(out, err);
        } catch (const UsageError& e) {
            error = e;
        }
    }
    err << "vesmark-format: " << error->message << '\n';
    return kExitUsage;
}

}  // namespace vesmark::cli
