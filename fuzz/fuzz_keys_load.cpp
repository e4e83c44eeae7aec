// Any bytes as Prefs.cfg, or as the body of its Keys section: loading the
// shortcuts never crashes, and the text of every slot stays short in both
// keyboard layouts.
#include "configurator/keys/commandtable.h"
#include "configurator/keys/keynames.h"
#include "configurator/keys/shortcutstore.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

// The longest modifier prefix and the longest key name, with room to spare.
constexpr std::size_t kLongestText = 64;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

const std::string& prefsFile() {
    static const std::string path = [] {
        std::atexit([] { std::remove(prefsFile().c_str()); });
        return (std::filesystem::temp_directory_path() /
                ("fuzz-keys-" + std::to_string(::getpid())))
            .string();
    }();
    return path;
}

} // namespace

// Input: one byte choosing the form (even: the whole file; odd: the lines of
// the Keys section between other sections), then the bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string_view body(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::string file;
    if (data[0] % 2 == 0) {
        file = body;
    } else {
        file = "[Common]\r\nUnitSystem=0\r\n[Keys]\r\n";
        file += body;
        file += "\r\n[Other]\r\nCommand.00-Key=1\r\n";
    }
    std::ofstream(prefsFile(), std::ios::binary | std::ios::trunc) << file;

    keys::CommandTable table;
    keys::loadShortcuts(table, prefsFile());
    using keys::Layout;
    for (int slot = 0; slot < table.count(); ++slot) {
        for (const Layout layout : {Layout::English, Layout::French}) {
            for (const Layout keypad : {Layout::English, Layout::French}) {
                const std::string text =
                    keys::shortcutText(table.modifier(slot), table.keyCode(slot), layout, keypad);
                if (text.empty() || text.size() > kLongestText)
                    fail("a shortcut text is empty or too long");
            }
        }
    }
    return 0;
}
