// The configurator's folders use only the layers below them: the tools and
// their shared state never reach up into the program that shows the menu.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Every `#include "..."` line of the sources below `folder` that names `prefix`.
std::vector<std::string> includesOf(const fs::path& folder, const std::string& prefix) {
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".cpp" && extension != ".h")
            continue;
        std::ifstream file(entry.path());
        for (std::string line; std::getline(file, line);) {
            if (line.rfind("#include \"" + prefix, 0) == 0)
                found.push_back(entry.path().filename().string() + ": " + line);
        }
    }
    return found;
}

TEST(Layering, ToolsAndSessionStateIncludeNothingOfTheProgram) {
    const fs::path root = fs::path(VOLARO_SOURCE_DIR) / "configurator";
    for (const char* folder : {"session", "prefs", "keys", "load", "fuel", "loadsheet", "res"}) {
        ASSERT_TRUE(fs::is_directory(root / folder)) << folder;
        EXPECT_EQ(includesOf(root / folder, "configurator/app/"), std::vector<std::string>())
            << folder;
    }
    // The shared state sits below every tool.
    for (const char* tool : {"prefs", "keys", "load", "fuel", "loadsheet"}) {
        EXPECT_EQ(includesOf(root / "session", std::string("configurator/") + tool + "/"),
                  std::vector<std::string>())
            << tool;
    }
}

} // namespace
