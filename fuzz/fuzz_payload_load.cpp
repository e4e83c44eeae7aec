// Any bytes as the primary aircraft.cfg of each aircraft: Load never crashes,
// the positions stay in their ranges, no shown number is negative, and Save
// keeps every line but the four station lines.
#include "configurator/load/loadmanager.h"
#include "configurator/session/installpaths.h"
#include "tests/support/textlines.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

const std::filesystem::path& root() {
    static const std::filesystem::path path = [] {
        auto dir =
            std::filesystem::temp_directory_path() / ("fuzz-payload-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        resolveInstallPaths(dir.string(), "");
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(root(), ignored);
        });
        return dir;
    }();
    return path;
}

std::filesystem::path primaryFile(const AircraftType& row) {
    std::string relative = aircraftFileTexts(row).front();
    std::replace(relative.begin(), relative.end(), '\\', '/');
    return root().string() + relative;
}

void writeBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool isStationLine(std::string_view line) {
    const std::string_view text = testing_support::trimBlanks(line);
    if (text.empty() || text.front() == ';' || text.front() == '[')
        return false;
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos)
        return false;
    std::string name(testing_support::trimBlanks(text.substr(0, equals)));
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name == "station_load.2" || name == "station_load.3" || name == "station_load.4" ||
           name == "station_load.5";
}

std::vector<std::string> otherLines(std::string_view bytes) {
    return testing_support::lineTexts(bytes,
                                      [](std::string_view line) { return !isStationLine(line); });
}

void checkModel(const CLoadManager& model) {
    const AircraftType& row = model.aircraft();
    if (model.business() < 0 || model.business() > row.businessSeats || model.economy() < 0 ||
        model.economy() > row.economySeats || model.forward() < 0 || model.forward() > 100 ||
        model.aft() < 0 || model.aft() > 100)
        fail("a position is out of range");
    const PayloadFigures& f = model.figures();
    for (const int shown : {f.businessWeight, f.economyWeight, f.paxWeight, f.forwardWeight,
                            f.aftWeight, f.cargoWeight, f.aircraftWeight, f.zfw, model.lastZfw()}) {
        if (shown < 0)
            fail("a shown number is negative");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const AircraftType& row : kAircraftTypes)
        writeBytes(primaryFile(row), bytes);

    for (const AircraftType& row : kAircraftTypes) {
        auto model = createLoadManager(row.code);
        if (!model || !model->isInstalled())
            fail("the aircraft file is not found");
        model->load();
        checkModel(*model);
        model->setUnit(WeightUnit::Pounds);
        model->refresh();
        checkModel(*model);
    }

    // Save syncs to disk, so only one input in 16 takes this path.
    if (size % 16 != 0)
        return 0;
    const AircraftType& row = kAircraftTypes[(size / 16) % kAircraftCount];
    auto model = createLoadManager(row.code);
    model->load();
    for (const auto& result : model->save()) {
        if (!result.ok)
            fail("the save failed");
    }
    const std::string after = readBytes(primaryFile(row));
    if (otherLines(bytes) != otherLines(after)) {
        // The section may have been added at the end, after every other line.
        std::vector<std::string> expected = otherLines(bytes);
        expected.emplace_back("[WEIGHT_AND_BALANCE]");
        if (expected != otherLines(after))
            fail("save changed a line other than the station lines");
    }
    // What was saved loads back as the same positions.
    auto reloaded = createLoadManager(row.code);
    reloaded->load();
    if (reloaded->business() != model->business() || reloaded->economy() != model->economy() ||
        reloaded->forward() != model->forward() || reloaded->aft() != model->aft())
        fail("the saved payload does not load back");
    return 0;
}
