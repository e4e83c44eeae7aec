// Each folder includes only from the folders below it: the shared code from
// nothing of the programs, the models and windows of a tool from nothing of
// the tools that print or run them, and nothing from the programs' own
// folders.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The folder of an `#include "folder/file.h"` line, or nothing.
std::string includedFolder(const std::string& line) {
    const std::string start = "#include \"";
    if (line.rfind(start, 0) != 0)
        return {};
    const std::size_t end = line.find('"', start.size());
    const std::size_t slash = line.rfind('/', end);
    if (end == std::string::npos || slash == std::string::npos || slash < start.size())
        return {};
    return line.substr(start.size(), slash - start.size());
}

// Every folder named by an include of the sources directly in `folder`
// (its own subfolders are checked as folders of their own), with the file.
std::vector<std::pair<std::string, std::string>> includesOf(const fs::path& folder) {
    std::vector<std::pair<std::string, std::string>> found;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".cpp" && extension != ".h")
            continue;
        std::ifstream file(entry.path());
        for (std::string line; std::getline(file, line);) {
            if (const std::string included = includedFolder(line); !included.empty())
                found.emplace_back(included, entry.path().filename().string());
        }
    }
    return found;
}

struct Layer {
    const char* folder;
    std::vector<const char*> below; // what it may include besides itself
};

const std::vector<const char*> kCommon = {"common/text",    "common/platform", "common/backup",
                                          "common/profile", "common/cli",      "common/ui"};

std::vector<const char*> with(std::vector<const char*> folders,
                              const std::vector<const char*>& more) {
    folders.insert(folders.end(), more.begin(), more.end());
    return folders;
}

TEST(Layering, EveryFolderIncludesOnlyFromTheFoldersBelowIt) {
    const std::vector<const char*> tools =
        with(kCommon, {"configurator/aircraft", "configurator/session", "configurator/res"});
    const Layer layers[] = {
        {"common/text", {}},
        {"common/platform", {"common/text"}},
        {"common/backup", {"common/text", "common/platform"}},
        {"common/cli", {"common/text", "common/platform"}},
        {"common/profile", {"common/text", "common/platform", "common/backup"}},
        {"common/ui", {"common/text", "common/platform", "common/backup", "common/profile"}},
        {"configurator/aircraft", kCommon},
        {"configurator/session", with(kCommon, {"configurator/aircraft"})},
        {"configurator/res", with(kCommon, {"configurator/aircraft"})},
        {"configurator/prefs", tools},
        {"configurator/keys", tools},
        {"configurator/load", tools},
        // The planner only asks for its load sheet; the sheet is printed above it.
        {"configurator/fuel", with(tools, {"configurator/load"})},
        {"configurator/loadsheet", with(tools, {"configurator/load", "configurator/fuel"})},
        {"configurator/cli",
         with(tools, {"configurator/prefs", "configurator/keys", "configurator/load",
                      "configurator/fuel", "configurator/loadsheet"})},
        {"configurator/app",
         with(tools, {"configurator/prefs", "configurator/keys", "configurator/load",
                      "configurator/fuel", "configurator/loadsheet", "configurator/cli"})},
        {"upgrader", with(kCommon, {"upgrader/res"})},
        {"upgrader/res", kCommon},
    };
    const fs::path root(VOLARO_SOURCE_DIR);
    std::set<std::string> checked;
    for (const Layer& layer : layers) {
        ASSERT_TRUE(fs::is_directory(root / layer.folder)) << layer.folder;
        checked.insert(layer.folder);
        const std::set<std::string> allowed(layer.below.begin(), layer.below.end());
        for (const auto& [included, file] : includesOf(root / layer.folder)) {
            EXPECT_TRUE(included == layer.folder || allowed.count(included))
                << layer.folder << "/" << file << " includes from " << included;
        }
    }
    // A new folder of the programs gets its place in the table above.
    for (const char* program : {"common", "configurator", "upgrader"}) {
        for (const auto& entry : fs::recursive_directory_iterator(root / program)) {
            if (!entry.is_directory())
                continue;
            const std::string folder = fs::relative(entry.path(), root).generic_string();
            bool hasSources = false;
            for (const auto& file : fs::directory_iterator(entry.path()))
                hasSources |= file.path().extension() == ".cpp" || file.path().extension() == ".h";
            if (hasSources) {
                EXPECT_TRUE(checked.count(folder)) << folder << " has no place in the layers";
            }
        }
    }
}

} // namespace
