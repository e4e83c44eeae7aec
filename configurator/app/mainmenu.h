#pragma once
// The configurator's main menu: one image button per tool and Exit. The two
// aircraft tools first loop on the aircraft selector until an aircraft is
// chosen and refuse an aircraft that is not installed.

#include "common/profile/profile.h"
#include "common/ui/dialogtemplate.h"
#include "configurator/load/loadmanagertool.h"

#include <QIcon>
#include <functional>
#include <memory>

// What the menu runs; tests replace any of them.
struct MenuTools {
    std::function<int(QWidget*)> configuration;   // 1 after Ok
    std::function<void(QWidget*)> selectAircraft; // one run of the selector
    std::function<std::unique_ptr<LoadManagerTool>(int)> loadManager;
    std::function<void(QWidget*)> fuelPlanner;
    std::function<void(QWidget*)> keyAssignments;
};
MenuTools standardTools();

// The program icon at every size the window system asks for.
QIcon configuratorIcon();

class CMainMenuDlg : public ui::TemplateDialog {
    Q_OBJECT
public:
    enum Button { kConfiguration = 1000, kLoadManager = 1001, kFuelPlanner = 1002, kKeys = 1003 };

    explicit CMainMenuDlg(MenuTools tools = standardTools(), QWidget* parent = nullptr);

    // Outcome of the load manager's last save.
    const profile::WriteResult& lastSave() const { return lastSave_; }

protected:
    void onCommand(int id) override;

private:
    void configurationFlow();
    void loadManagerFlow();
    void fuelPlannerFlow();
    void chooseAircraft();
    void showNotInstalled();

    MenuTools tools_;
    profile::WriteResult lastSave_;
};
