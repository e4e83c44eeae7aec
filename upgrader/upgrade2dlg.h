#pragma once
// The installer window: introduction, START, one step of the run per tick
// of a 500 ms timer, every progress line in a list, End once every entry has
// been visited. It refuses every other way of closing it, except on a folder
// where nothing can be upgraded: it then says why and offers End at once.

#include "common/ui/dialogtemplate.h"
#include "upgrader/catalogue.h"
#include "upgrader/upgraderun.h"

#include <QTimer>
#include <span>
#include <string>

class QListWidget;
class QPushButton;

class Upgrade2Dlg : public ui::TemplateDialog, private UpgradeView {
    Q_OBJECT
public:
    static constexpr int kListId = 1000;
    static constexpr int kActionButtonId = 1001;
    static constexpr int kTickMilliseconds = 500;

    explicit Upgrade2Dlg(const std::string& root,
                         std::span<const UpgradeEntry> catalogue = UpgradeCatalogue(),
                         PatchLauncher launcher = launchPatchProgram, QWidget* parent = nullptr);

    void OnTimer();
    void OnActionButton();

    UpgradeRun& run() { return run_; }
    QListWidget* list() const;
    QPushButton* actionButton() const;
    const QTimer& timer() const { return timer_; }

protected:
    void onCommand(int id) override;

private:
    void OnInitDialog();
    bool nothingToRun() const;
    void end(int result);
    void refuseExit();

    void showLine(const std::string& text) override;
    void showError(const std::string& text, const std::string& caption) override;
    void runComplete() override;
    void beep() override;

    QTimer timer_;
    UpgradeRun run_;
};
