// The key assignments on a realistic preferences file: loading the 182 keys
// when the window opens, and the cheat sheet's 85 shortcut texts.
#include "configurator/keys/commandtable.h"
#include "configurator/keys/keynames.h"
#include "configurator/keys/shortcutstore.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// The Common section, the 182 key bindings and about 20 KB of the gauges' own sections.
class PrefsFile {
public:
    PrefsFile()
        : path_(std::filesystem::temp_directory_path() / "bench_keys_Prefs.cfg") {
        std::string text = "[Common]\r\nUnitSystem=1\r\n\r\n[Keys]\r\n";
        for (int slot = 0; slot <= 90; ++slot) {
            char line[80];
            std::snprintf(line, sizeof line, "Command.%02d-Modifier=%d\r\nCommand.%02d-Key=%d\r\n",
                          slot, slot % 4, slot, slot + 2);
            text += line;
        }
        for (int n = 0; text.size() < 20000; ++n) {
            char line[100];
            std::snprintf(line, sizeof line, "\r\n[Gauge.%03d]\r\n; panel state\r\nValue=%d\r\n", n,
                          n * 7);
            text += line;
        }
        std::ofstream(path_, std::ios::binary) << text;
    }
    ~PrefsFile() { std::filesystem::remove(path_); }
    std::string path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

void BM_LoadShortcuts(benchmark::State& state) {
    const PrefsFile file;
    keys::CommandTable table;
    for (auto _ : state) {
        keys::loadShortcuts(table, file.path());
        benchmark::DoNotOptimize(table.keyCode(90));
    }
}
BENCHMARK(BM_LoadShortcuts)->Unit(benchmark::kMillisecond);

void BM_ShortcutTexts(benchmark::State& state) {
    const keys::CommandTable table;
    for (auto _ : state) {
        for (int slot = 0; slot < keys::CommandTable::kNamedCount; ++slot)
            benchmark::DoNotOptimize(keys::shortcutText(table.modifier(slot), table.keyCode(slot),
                                                        keys::Layout::French,
                                                        keys::Layout::French));
    }
}
BENCHMARK(BM_ShortcutTexts);

} // namespace
