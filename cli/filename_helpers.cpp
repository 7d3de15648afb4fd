// Forwards to the file-name helpers when the build has them.
#include "cli/filename_helpers.hpp"

#include "platform/clock.hpp"

#ifdef VESMARK_CLI_HAVE_FILEPATH
#include "filepath/ComFilePathUnit.hpp"
#endif

namespace vesmark::cli {

#ifdef VESMARK_CLI_HAVE_FILEPATH

namespace {

// Installs a clock that always reads one instant, and restores the system clock.
class FixedClock {
public:
    explicit FixedClock(TDateTime now) {
        platform::SetClock([now] { return now; });
    }
    ~FixedClock() { platform::SetClock({}); }
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;
};

}  // namespace

bool FileNameHelpersAvailable() { return true; }

std::optional<std::string> ExpandBackupNameAt(TDateTime now, std::string_view tmpl,
                                              std::string_view fileName,
                                              std::string_view extension, int counter) {
    const FixedClock clock(now);
    return ExpandBackupName(tmpl, fileName, extension, counter);
}

std::optional<std::string> SanitizeFileNameText(std::string_view text) {
    return SanitizeFileName(text);
}

#else

bool FileNameHelpersAvailable() { return false; }

std::optional<std::string> ExpandBackupNameAt(TDateTime, std::string_view, std::string_view,
                                              std::string_view, int) {
    return std::nullopt;
}

std::optional<std::string> SanitizeFileNameText(std::string_view) { return std::nullopt; }

#endif

}  // namespace vesmark::cli
