// What keeping a backup adds to the key assignments' save: the 182 keys of a
// realistic preferences file written as one replacement, with and without
// the previous content kept first (steady state: 20 versions kept, the
// oldest dropped at each save).
#include "common/profile/profile.h"
#include "configurator/keys/commandtable.h"
#include "configurator/keys/shortcutstore.h"

#include <QByteArray>
#include <QtGlobal>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// The Common section, the 182 key bindings, about 20 KB of gauge sections,
// and a backup folder of its own.
class Fixture {
public:
    Fixture()
        : root_(std::filesystem::temp_directory_path() / "bench_backup") {
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_ / "backups");
        qputenv("VOLARO_BACKUP_DIR", QByteArray::fromStdString((root_ / "backups").string()));
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
        std::ofstream(prefs(), std::ios::binary) << text;
    }
    ~Fixture() {
        qunsetenv("VOLARO_BACKUP_DIR");
        std::filesystem::remove_all(root_);
    }
    std::string prefs() const { return (root_ / "Prefs.cfg").string(); }

private:
    std::filesystem::path root_;
};

// Each save changes one key, so that every one replaces the file.
void save(benchmark::State& state, bool keepBackup) {
    const Fixture fixture;
    keys::CommandTable table;
    int round = 0;
    for (auto _ : state) {
        table.set(0, 3, 20 + (++round % 2));
        profile::WriteBatch batch(fixture.prefs());
        if (keepBackup)
            batch.keepBackup();
        for (int slot = 0; slot < table.count(); ++slot) {
            batch.writeString(keys::kKeysSection, keys::modifierKeyName(slot),
                              std::to_string(table.modifier(slot)));
            batch.writeString(keys::kKeysSection, keys::keyKeyName(slot),
                              std::to_string(table.keyCode(slot)));
        }
        if (!batch.commit().ok)
            state.SkipWithError("the save failed");
    }
}

void BM_Save182KeysWithoutBackup(benchmark::State& state) {
    save(state, false);
}
BENCHMARK(BM_Save182KeysWithoutBackup)->Unit(benchmark::kMillisecond);

void BM_Save182KeysWithBackup(benchmark::State& state) {
    save(state, true);
}
BENCHMARK(BM_Save182KeysWithBackup)->Unit(benchmark::kMillisecond);

// The real save of the window, backup included.
void BM_SaveShortcuts(benchmark::State& state) {
    const Fixture fixture;
    keys::CommandTable table;
    int round = 0;
    for (auto _ : state) {
        table.set(0, 3, 20 + (++round % 2));
        if (!keys::saveShortcuts(table, fixture.prefs()).ok)
            state.SkipWithError("the save failed");
    }
}
BENCHMARK(BM_SaveShortcuts)->Unit(benchmark::kMillisecond);

} // namespace
