#include "configurator/app/mainmenu.h"

#include "common/ui/messagebox.h"
#include "common/ui/writefailure.h"
#include "configurator/app/aircraftselector.h"
#include "configurator/app/fuelplannertool.h"
#include "configurator/keys/keyassignmentstool.h"
#include "configurator/prefs/configurationdialog.h"
#include "configurator/res/shellart.h"
#include "configurator/session/sessionstate.h"

#include <QIcon>
#include <QPixmap>

namespace {

using ui::Kind;

// The fourth button's text repeats "Fuel Planner"; its image says Key Config.
constexpr ui::Control kControls[] = {
    {CMainMenuDlg::kConfiguration, Kind::BitmapButton, "Aircraft Configuration", 8, 8, 303, 46},
    {CMainMenuDlg::kLoadManager, Kind::BitmapButton, "Load Manager", 8, 57, 303, 46},
    {CMainMenuDlg::kFuelPlanner, Kind::BitmapButton, "Fuel Planner", 8, 106, 303, 46},
    {CMainMenuDlg::kKeys, Kind::BitmapButton, "Fuel Planner", 8, 155, 303, 46},
    {2, Kind::PushButton, "Exit", 261, 208, 50, 14},
};
constexpr ui::DialogTemplate kTemplate{"Volaro Config Volume 2", 319, 227, kControls};

const QImage& menuImage(int index) {
    static const QImage kImages[] = {art::menuButtonImage(art::MenuTool::Configuration),
                                     art::menuButtonImage(art::MenuTool::LoadManager),
                                     art::menuButtonImage(art::MenuTool::FuelPlanner),
                                     art::menuButtonImage(art::MenuTool::KeyConfig)};
    return kImages[index];
}

} // namespace

QIcon configuratorIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(art::programIcon(size)));
    return icon;
}

MenuTools standardTools() {
    return MenuTools{
        &runConfiguration,
        &runAircraftSelector,
        [](int code) { return createLoadManagerTool(code); },
        &runFuelPlanner,
        &runKeyAssignments,
    };
}

CMainMenuDlg::CMainMenuDlg(MenuTools tools, QWidget* parent)
    : ui::TemplateDialog(kTemplate, parent)
    , tools_(std::move(tools)) {
    setWindowIcon(configuratorIcon());
    setWindowFlag(Qt::WindowMinimizeButtonHint);
    for (int i = 0; i < 4; ++i)
        setImage(kConfiguration + i, QPixmap::fromImage(menuImage(i)));
    // Say what the image says, not the template's repeated text.
    control(kKeys)->setAccessibleName(QStringLiteral("Key Config"));
}

void CMainMenuDlg::onCommand(int id) {
    switch (id) {
    case kConfiguration:
        configurationFlow();
        break;
    case kLoadManager:
        loadManagerFlow();
        break;
    case kFuelPlanner:
        fuelPlannerFlow();
        break;
    case kKeys:
        tools_.keyAssignments(this);
        break;
    case 2:
        done(2);
        break;
    default:
        break;
    }
}

void CMainMenuDlg::configurationFlow() {
    if (tools_.configuration(this) != 1)
        return;
    ui::showMessage(
        this,
        QStringLiteral("NOTE: Any change made in the configuration window will be taken "
                       "into account\n           only next time the aircraft is loaded "
                       "in Flight Simulator."),
        QStringLiteral("WARNING"), ui::MessageIcon::Information);
}

void CMainMenuDlg::chooseAircraft() {
    // The user leaves the selector only with an aircraft chosen.
    while (CurrentAircraft == kNoAircraft)
        tools_.selectAircraft(this);
}

void CMainMenuDlg::showNotInstalled() {
    ui::showMessage(this, QStringLiteral("Sorry, this aircraft is not installed on your system"),
                    QStringLiteral("ERROR"), ui::MessageIcon::Exclamation);
}

void CMainMenuDlg::loadManagerFlow() {
    chooseAircraft();
    const std::int32_t code = CurrentAircraft;
    std::unique_ptr<LoadManagerTool> tool = tools_.loadManager(code);
    if (tool && tool->isInstalled()) {
        const int result = tool->exec(this);
        if (result == 1)
            lastSave_ = tool->save();
        tool.reset();
        if (result == 1 && !lastSave_.ok) {
            // The aircraft will load with its old payload: nothing to hand on.
            ui::reportWriteFailure(this, QStringLiteral("new payload"), lastSave_);
        } else if (result == 1) {
            if (code >= kFirstAircraft && code < kFirstAircraft + kAircraftCount)
                AircraftZfw[code - kFirstAircraft] = LastZfw;
            ui::showMessage(this,
                            QStringLiteral("The new payload has been saved in the aircraft file "
                                           "(aircraft.cfg).\nIt will be taken into account next "
                                           "time the aircraft is loaded in FS."),
                            QStringLiteral("WARNING"), ui::MessageIcon::Information);
        }
    } else {
        tool.reset();
        showNotInstalled();
    }
    CurrentAircraft = kNoAircraft;
}

void CMainMenuDlg::fuelPlannerFlow() {
    chooseAircraft();
    bool installed = false;
    {
        const std::unique_ptr<LoadManagerTool> tool = tools_.loadManager(CurrentAircraft);
        installed = tool && tool->isInstalled();
    }
    if (installed)
        tools_.fuelPlanner(this);
    else
        showNotInstalled();
    CurrentAircraft = kNoAircraft;
}
