// Load and save of the settings file: a typical file, and large files full of
// unknown sections to show that the time grows with the size and no faster.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "settings/IniFile.hpp"
#include "settings/OptionSettings.hpp"

namespace {

using vesmark::settings::IniFile;
using vesmark::settings::OptionSettings;

struct Values {
    std::string buttonFormat;
    int saveInterval;
};

// The file the clock program and this program keep, with unknownBytes of unknown
// sections between the two known ones. Written out in full here, so the expected
// result of a save does not come from the code under test.
std::string SettingsText(const Values& v, std::size_t unknownBytes) {
    std::string text =
        "; Vesmark settings\r\n"
        "[Format]\r\n"
        "ButtonFormat=\"" + v.buttonFormat + "\"\r\n"
        "BackNextFormat=\"yyyy/mm/dd\"\r\n"
        "\r\n";
    for (int i = 0; text.size() < unknownBytes; ++i) {
        text += "[Plugin" + std::to_string(i) + "]\r\nEnabled=1\r\nPath=\"C:\\Tools\\plugin" +
                std::to_string(i) + ".dll\"\r\n; comment\r\n\r\n";
    }
    text +=
        "[Backup]\r\n"
        "SaveInterval=" + std::to_string(v.saveInterval) + "\r\n"
        "BackupSave=1\r\n"
        "BackupFileNm=\"%F_%Y%m%d\"\r\n"
        "BackupChgExt=\"~%X\"\r\n"
        "BackupFolder=\"D:\\Backup\"\r\n"
        "[Window]\r\nLeft=100\r\nTop=200\r\n";
    return text;
}

OptionSettings ToSettings(const Values& v) {
    OptionSettings s;
    s.ButtonFormat = v.buttonFormat;
    s.BackNextFormat = "yyyy/mm/dd";
    s.SaveInterval = v.saveInterval;
    s.BackupSave = true;
    s.BackupFileNm = "%F_%Y%m%d";
    s.BackupChgExt = "~%X";
    s.BackupFolder = "D:\\Backup";
    return s;
}

const Values kOld{"hh:nn:ss", 5};
const Values kNew{"yyyy/mm/dd hh:nn", 30};

class BenchFile {
public:
    explicit BenchFile(const std::string& text) {
        std::string tmpl = (std::filesystem::temp_directory_path() / "vesmark-bench-XXXXXX").string();
        if (::mkdtemp(tmpl.data()) != nullptr) dir_ = tmpl;
        path_ = dir_ + "/Vesmark.ini";
        std::ofstream(path_, std::ios::binary) << text;
    }
    ~BenchFile() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    BenchFile(const BenchFile&) = delete;
    BenchFile& operator=(const BenchFile&) = delete;

    const std::string& path() const { return path_; }
    std::string Read() const {
        std::ifstream in(path_, std::ios::binary | std::ios::ate);
        std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
        in.seekg(0);
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return bytes;
    }

private:
    std::string dir_;
    std::string path_;
};

std::size_t UnknownBytes(const benchmark::State& state) {
    return static_cast<std::size_t>(state.range(0)) * 1024 * 1024 / 10;  // the argument is tenths of a MB
}

void BM_Load(benchmark::State& state) {
    const std::string text = SettingsText(kOld, UnknownBytes(state));
    const BenchFile file(text);
    OptionSettings loaded;
    for (auto _ : state) {
        loaded = vesmark::settings::Load(file.path());
        benchmark::DoNotOptimize(loaded.ButtonFormat.data());
        benchmark::ClobberMemory();
    }
    if (loaded.ButtonFormat != kOld.buttonFormat || loaded.SaveInterval != kOld.saveInterval ||
        loaded.BackupFolder != "D:\\Backup") {
        state.SkipWithError("Load gave other values than the file holds");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["file_bytes"] = static_cast<double>(text.size());
}

// Save with its flush to disk and rename; the file after the last save must be
// the expected text byte for byte.
void BM_Save(benchmark::State& state) {
    const std::string text = SettingsText(kOld, UnknownBytes(state));
    const BenchFile file(text);
    const OptionSettings values = ToSettings(kNew);
    bool ok = true;
    for (auto _ : state) {
        ok = vesmark::settings::Save(file.path(), values).ok && ok;
    }
    if (!ok || file.Read() != SettingsText(kNew, UnknownBytes(state))) {
        state.SkipWithError("Save failed or wrote other bytes than expected");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["file_bytes"] = static_cast<double>(text.size());
}

// The in-memory part of a save: parse, write the seven keys, build the new text.
void BM_SaveInMemory(benchmark::State& state) {
    const std::string text = SettingsText(kOld, UnknownBytes(state));
    const OptionSettings v = ToSettings(kNew);
    std::string out;
    for (auto _ : state) {
        IniFile ini(text);
        ini.WriteString("Format", "ButtonFormat", "\"" + v.ButtonFormat + "\"");
        ini.WriteString("Format", "BackNextFormat", "\"" + v.BackNextFormat + "\"");
        ini.WriteInteger("Backup", "SaveInterval", v.SaveInterval);
        ini.WriteBool("Backup", "BackupSave", v.BackupSave);
        ini.WriteString("Backup", "BackupFileNm", "\"" + v.BackupFileNm + "\"");
        ini.WriteString("Backup", "BackupChgExt", "\"" + v.BackupChgExt + "\"");
        ini.WriteString("Backup", "BackupFolder", "\"" + v.BackupFolder + "\"");
        out = ini.Text();
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    if (out != SettingsText(kNew, UnknownBytes(state))) {
        state.SkipWithError("the new text differs from the expected bytes");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["file_bytes"] = static_cast<double>(text.size());
}

// Argument 0: the typical file (about 400 bytes); then 1, 2.5, 5, 10 and 20 MB.
void Sizes(benchmark::internal::Benchmark* b) {
    for (int tenths : {0, 10, 25, 50, 100, 200}) b->Arg(tenths);
    b->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_Load)->Apply(Sizes);
BENCHMARK(BM_SaveInMemory)->Apply(Sizes);
BENCHMARK(BM_Save)->Apply(Sizes);

}  // namespace

BENCHMARK_MAIN();
