// The profile engine on a realistic preferences file: the configuration
// window's ten reads, and the key assignments' 182 writes one by one versus
// as one batch.
#include "common/profile/profile.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

const char* const kCommonKeys[] = {
    "UnitSystem", "PushbackType", "UserExperience", "PanelVolume", "IRSAlignmentTime",
    "Modifier",   "Locker",       "AutoPause",      "FsuipcUsage", "FMGCSaveMode"};

// About 20 KB: the Common section, the 182 key bindings and the gauges' own
// sections with comments.
std::string realisticPrefs() {
    std::string text = "; Preferences of the package\r\n[Common]\r\n";
    for (const char* key : kCommonKeys)
        text += std::string(key) + "=1\r\n";
    text += "\r\n[Keys]\r\n";
    for (int slot = 0; slot <= 90; ++slot) {
        char line[80];
        std::snprintf(line, sizeof line, "Command.%02d-Modifier=%d\r\nCommand.%02d-Key=%d\r\n",
                      slot, slot % 4, slot, slot + 2);
        text += line;
    }
    int n = 0;
    while (text.size() < 20000) {
        char line[120];
        std::snprintf(line, sizeof line,
                      "\r\n[Gauge.%03d]\r\n; state kept by the panel\r\nValue=%d\r\n"
                      "Position=\"%d, 0.0, 0.0\"\r\n",
                      n, n * 7, n * 13);
        text += line;
        ++n;
    }
    return text;
}

class PrefsFile {
public:
    PrefsFile()
        : path_(std::filesystem::temp_directory_path() / "bench_Prefs.cfg") {
        reset();
    }
    ~PrefsFile() { std::filesystem::remove(path_); }
    void reset() const { std::ofstream(path_, std::ios::binary) << realisticPrefs(); }
    std::string path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

void BM_ReadTenPreferences(benchmark::State& state) {
    const PrefsFile file;
    for (auto _ : state) {
        for (const char* key : kCommonKeys)
            benchmark::DoNotOptimize(
                profile::readString("Common", key, profile::kUndefined, 49, file.path()));
    }
}
BENCHMARK(BM_ReadTenPreferences);

void BM_Write182KeysOneByOne(benchmark::State& state) {
    const PrefsFile file;
    int round = 0;
    for (auto _ : state) {
        ++round;
        for (int slot = 0; slot <= 90; ++slot) {
            char key[32];
            std::snprintf(key, sizeof key, "Command.%02d-Modifier", slot);
            profile::writeString("Keys", key, std::to_string(round % 4), file.path());
            std::snprintf(key, sizeof key, "Command.%02d-Key", slot);
            profile::writeString("Keys", key, std::to_string(round % 90), file.path());
        }
    }
}
BENCHMARK(BM_Write182KeysOneByOne)->Unit(benchmark::kMillisecond);

void BM_Write182KeysAsOneBatch(benchmark::State& state) {
    const PrefsFile file;
    int round = 0;
    for (auto _ : state) {
        ++round;
        profile::WriteBatch batch(file.path());
        for (int slot = 0; slot <= 90; ++slot) {
            char key[32];
            std::snprintf(key, sizeof key, "Command.%02d-Modifier", slot);
            batch.writeString("Keys", key, std::to_string(round % 4));
            std::snprintf(key, sizeof key, "Command.%02d-Key", slot);
            batch.writeString("Keys", key, std::to_string(round % 90));
        }
        benchmark::DoNotOptimize(batch.commit());
    }
}
BENCHMARK(BM_Write182KeysAsOneBatch)->Unit(benchmark::kMillisecond);

} // namespace
