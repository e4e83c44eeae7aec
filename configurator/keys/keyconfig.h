#pragma once
// CKeyConfig: lists the commands, shows the shortcut of the chosen one and
// opens CKeyAssigner to change it. Loads the shortcuts from Prefs.cfg when it
// is created and writes them all back on OK.

#include "common/profile/profile.h"
#include "common/ui/dialogtemplate.h"
#include "configurator/keys/commandtable.h"

#include <functional>
#include <string>

namespace keys {

class CKeyAssigner;

class CKeyConfig : public ui::TemplateDialog {
    Q_OBJECT
public:
    enum : int { kCommandList = 1001, kShortcut = 1007, kChange = 1008 };

    // `prefsPath` as the system composes it (path text, common/platform/hostpath.h).
    CKeyConfig(CommandTable& table, std::string prefsPath, QWidget* parent = nullptr);

    // The outcome of the save on OK (ok until OK has been pressed).
    const profile::WriteResult& saveResult() const { return saveResult_; }

    // Runs the capture dialog; exec() unless replaced (tests).
    void setAssignerRunner(std::function<void(CKeyAssigner&)> run) {
        runAssigner_ = std::move(run);
    }

protected:
    void onCommand(int id) override;

private:
    void showShortcutOfSelection();
    int selectedSlot() const; // -1 for "Select a command"

    CommandTable& table_;
    std::string prefsPath_;
    profile::WriteResult saveResult_;
    profile::FileContent read_; // Prefs.cfg as the window read it
    std::function<void(CKeyAssigner&)> runAssigner_;
};

} // namespace keys
