#include "configurator/load/loadmanagertool.h"

#include "configurator/load/loadmanager.h"
#include "configurator/load/loadmanagerdialog.h"
#include "configurator/load/payloadsave.h"

#include <string>

namespace {

class LoadManagerToolImpl final : public LoadManagerTool {
public:
    explicit LoadManagerToolImpl(int code)
        : model_(createLoadManager(code)) {}

    bool isInstalled() const override { return model_ && model_->isInstalled(); }

    int exec(QWidget* parent) override {
        if (!model_)
            return 2;
        LoadManagerDialog dialog(*model_, parent);
        return dialog.exec();
    }

    // The first failure of any file, else success; a save that found no file
    // to write is a failure too, so nobody is told the payload was saved.
    profile::WriteResult save() override {
        if (!model_)
            return {false, {}, "no such aircraft"};
        const std::vector<profile::WriteResult> results = savePayload(*model_);
        if (results.empty()) {
            return {false, model_->filePaths().front(),
                    "none of the aircraft's files could be opened"};
        }
        for (const profile::WriteResult& result : results) {
            if (!result.ok)
                return result;
        }
        return results.front();
    }

private:
    std::unique_ptr<CLoadManager> model_;
};

} // namespace

std::unique_ptr<LoadManagerTool> createLoadManagerTool(int aircraftCode) {
    return std::make_unique<LoadManagerToolImpl>(aircraftCode);
}
