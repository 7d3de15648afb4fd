// The seven settings of Vesmark.ini over IniFile and FileStore.
#include "settings/OptionSettings.hpp"

#include <iterator>

#include "platform/sysfiles.hpp"
#include "settings/FileStore.hpp"
#include "settings/IniFile.hpp"

namespace vesmark::settings {

namespace {

constexpr std::string_view kFormat = "Format";
constexpr std::string_view kBackup = "Backup";

constexpr std::string_view kButtonFormatDefault = "yyyy/mm/dd\"(\"aaa\") \"hh:nn:ss";
constexpr std::string_view kBackNextFormatDefault =
    "yyyy\"\x94\x4e\"mm\"\x8c\x8e\"dd\"\x93\xfa\x81\x69\"aaa\"\x81\x6a\"";  // yyyy"年"mm"月"dd"日（"aaa"）"

constexpr std::string_view kCannotWrite =
    " \x82\xc9\x8f\x91\x82\xab\x8d\x9e\x82\xdf\x82\xdc\x82\xb9\x82\xf1";  // " に書き込めません"

// Minutes stored for each item of the interval list.
constexpr int kIntervalMinutes[] = {0, 1, 5, 15, 30, 60};

std::string Quoted(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    out += text;
    out += '"';
    return out;
}

}  // namespace

OptionSettings DefaultSettings() {
    OptionSettings s;
    s.ButtonFormat = kButtonFormatDefault;
    s.BackNextFormat = kBackNextFormatDefault;
    s.SaveInterval = 0;
    s.BackupSave = false;
    s.BackupFileNm = "%F";
    s.BackupChgExt = "~%X";
    s.BackupFolder = "";
    return s;
}

int IntervalToItem(int minutes) noexcept {
    if (minutes < 0) return 5;
    if (minutes == 0) return 0;
    if (minutes < 5) return 1;
    if (minutes < 15) return 2;
    if (minutes < 30) return 3;
    if (minutes < 60) return 4;
    return 5;
}

int ItemToInterval(int item) noexcept {
    // Item 5 and "no item selected" (or anything outside the list) store 60.
    if (item < 0 || item >= static_cast<int>(std::size(kIntervalMinutes))) return 60;
    return kIntervalMinutes[item];
}

OptionSettings Load(std::string_view cp932Path) {
    FileBytes file = ReadWholeFile(platform::NativePath(cp932Path));
    const IniFile ini(file.status == ReadStatus::Ok ? std::move(file.bytes) : std::string());
    const OptionSettings d = DefaultSettings();
    OptionSettings s;
    s.ButtonFormat = ini.ReadString(kFormat, "ButtonFormat", d.ButtonFormat);
    s.BackNextFormat = ini.ReadString(kFormat, "BackNextFormat", d.BackNextFormat);
    s.SaveInterval = ini.ReadInteger(kBackup, "SaveInterval", d.SaveInterval);
    s.BackupSave = ini.ReadBool(kBackup, "BackupSave", d.BackupSave);
    s.BackupFileNm = ini.ReadString(kBackup, "BackupFileNm", d.BackupFileNm);
    s.BackupChgExt = ini.ReadString(kBackup, "BackupChgExt", d.BackupChgExt);
    s.BackupFolder = ini.ReadString(kBackup, "BackupFolder", d.BackupFolder);
    return s;
}

SaveResult Save(std::string_view cp932Path, const OptionSettings& values) {
    const std::string path = platform::NativePath(cp932Path);
    const SaveResult failed{false, std::string(cp932Path) + std::string(kCannotWrite)};

    // A file that exists but cannot be read whole is never replaced: its other
    // lines would be lost.
    FileBytes file = ReadWholeFile(path);
    if (file.status == ReadStatus::Failed) return failed;

    IniFile ini(std::move(file.bytes));
    ini.WriteString(kFormat, "ButtonFormat", Quoted(values.ButtonFormat));
    ini.WriteString(kFormat, "BackNextFormat", Quoted(values.BackNextFormat));
    ini.WriteInteger(kBackup, "SaveInterval", values.SaveInterval);
    ini.WriteBool(kBackup, "BackupSave", values.BackupSave);
    ini.WriteString(kBackup, "BackupFileNm", Quoted(values.BackupFileNm));
    ini.WriteString(kBackup, "BackupChgExt", Quoted(values.BackupChgExt));
    ini.WriteString(kBackup, "BackupFolder", Quoted(values.BackupFolder));

    if (!ReplaceFile(path, ini.Text())) return failed;
    return {};
}

}  // namespace vesmark::settings
