#include "configurator/load/loadmanagertool.h"

#include "common/platform/hostpath.h"
#include "configurator/app/installpaths.h"

#include <fstream>
#include <string>

namespace {
// Placeholder until the load manager lands: the installed test only.
class PendingLoadManager final : public LoadManagerTool {
public:
    explicit PendingLoadManager(int code) {
        const char* files[4][2] = {{"\\Aircraft\\Korvanta TEV A332GE\\Aircraft.cfg",
                                    "\\Aircraft\\Korvanta TEV A332RR\\Aircraft.cfg"},
                                   {"\\Aircraft\\Korvanta TEV A333GE\\Aircraft.cfg",
                                    "\\Aircraft\\Korvanta TEV A333RR\\Aircraft.cfg"},
                                   {"\\Aircraft\\Korvanta TEV A343CFM\\Aircraft.cfg", nullptr},
                                   {"\\Aircraft\\Korvanta TEV A346RR\\Aircraft.cfg", nullptr}};
        if (code < 6 || code > 9)
            return;
        for (const char* file : files[code - 6]) {
            if (file && std::ifstream(platform::hostPath(std::string(InstallFolder) + file))) {
                installed_ = true;
                return;
            }
        }
    }
    bool isInstalled() const override { return installed_; }
    int exec(QWidget*) override { return 2; }
    profile::WriteResult save() override { return {}; }

private:
    bool installed_ = false;
};
} // namespace

std::unique_ptr<LoadManagerTool> createLoadManagerTool(int aircraftCode) {
    return std::make_unique<PendingLoadManager>(aircraftCode);
}
