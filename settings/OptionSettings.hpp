// The seven settings of Vesmark.ini, with their defaults, the interval tables and
// the load and save over the settings file.
#pragma once

#include <string>
#include <string_view>

namespace vesmark::settings {

struct OptionSettings {
    std::string ButtonFormat;    // [Format] ButtonFormat
    std::string BackNextFormat;  // [Format] BackNextFormat
    int SaveInterval = 0;        // [Backup] SaveInterval, minutes, as stored (the
                                 // dialog maps it through the interval tables)
    bool BackupSave = false;     // [Backup] BackupSave
    std::string BackupFileNm;    // [Backup] BackupFileNm
    std::string BackupChgExt;    // [Backup] BackupChgExt
    std::string BackupFolder;    // [Backup] BackupFolder
};

// The values used for absent keys (CP932 bytes).
OptionSettings DefaultSettings();

// Stored minutes to the item of the interval list, and back.
int IntervalToItem(int minutes) noexcept;
int ItemToInterval(int item) noexcept;

// Reads the seven settings; an absent or unreadable file gives the defaults.
OptionSettings Load(std::string_view cp932Path);

struct SaveResult {
    bool ok = true;
    std::string message;  // CP932: "<path> に書き込めません" when !ok
};

// Writes all seven keys at once (all or nothing); every other byte of the file is kept.
// Texts are written between double quotes as given, up to a first line break; the
// interval is written as given. On failure the file is as it was and message names it.
SaveResult Save(std::string_view cp932Path, const OptionSettings& values);

}  // namespace vesmark::settings
