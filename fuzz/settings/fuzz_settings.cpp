// The settings file on any content: reading never fails; a value written (any
// text without a line break) reads back unchanged; every other line keeps its bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "settings/IniFile.hpp"
#include "settings/OptionSettings.hpp"

namespace {

struct Key {
    const char* section;
    const char* key;
};
constexpr Key kKeys[] = {
    {"Format", "ButtonFormat"}, {"format", "BACKNEXTFORMAT"}, {"Backup", "BackupFolder"},
    {"BACKUP", "backupfilenm"}, {"Other", "Key"},
};

// True when `after` is `before` with one contiguous stretch replaced by another,
// and neither stretch holds a line break when `within_line` is set.
bool OneEdit(std::string_view before, std::string_view after, bool withinLine) {
    std::size_t p = 0;
    while (p < before.size() && p < after.size() && before[p] == after[p]) ++p;
    std::size_t s = 0;
    while (s < before.size() - p && s < after.size() - p &&
           before[before.size() - 1 - s] == after[after.size() - 1 - s]) {
        ++s;
    }
    const std::string_view oldPart = before.substr(p, before.size() - p - s);
    const std::string_view newPart = after.substr(p, after.size() - p - s);
    if (!withinLine) return oldPart.empty();
    return oldPart.find('\n') == std::string_view::npos && newPart.find('\n') == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const Key& k = kKeys[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kKeys) - 1)];
    std::string value = in.ConsumeRandomLengthString(2000);
    for (char& c : value) {
        if (c == '\r' || c == '\n' || c == '\0') c = ' ';
    }
    const std::string text = in.ConsumeRemainingBytesAsString();

    // The real loader on the file as it stands.
    static const std::string path = "/tmp/fuzz-settings-" + std::to_string(getpid()) + ".ini";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    (void)vesmark::settings::Load(path);

    vesmark::settings::IniFile ini(text);
    std::string_view existing;
    const bool had = ini.ReadString(k.section, k.key, "\x01") != "\x01";
    (void)existing;
    ini.WriteString(k.section, k.key, "\"" + value + "\"");
    const std::string saved = ini.Text();

    const vesmark::settings::IniFile reread(saved);
    if (reread.ReadString(k.section, k.key, "\x01") != value) std::abort();
    if (!OneEdit(text, saved, had)) std::abort();
    return 0;
}
