#include "configurator/fuel/fuelscreenshots.h"

#include "common/ui/messagebox.h"
#include "common/ui/screenshot.h"
#include "configurator/fuel/fuelplanner.h"
#include "configurator/session/sessionstate.h"

#include <QLineEdit>

namespace {

// The planner opens for the aircraft the menu chose; borrow the session
// state for the picture and put it back.
class SessionScope {
public:
    SessionScope(std::int32_t aircraft, std::int32_t zfw)
        : aircraft_(CurrentAircraft)
        , zfw_(AircraftZfw[aircraft - kFirstAircraft]) {
        CurrentAircraft = aircraft;
        AircraftZfw[aircraft - kFirstAircraft] = zfw;
    }
    ~SessionScope() {
        AircraftZfw[CurrentAircraft - kFirstAircraft] = zfw_;
        CurrentAircraft = aircraft_;
    }

private:
    std::int32_t aircraft_;
    std::int32_t zfw_;
};

QString plannerShot(const QString& dir, const QString& name, std::int32_t aircraft,
                    std::int32_t zfw, const char* distance, const char* altitude, bool pounds) {
    SessionScope session(aircraft, zfw);
    ui::MessageRecorder quiet; // a capacity warning must not block the picture
    CFuelPlanner planner;
    planner.field(CFuelPlanner::kDistance)->setText(QString::fromLatin1(distance));
    planner.field(CFuelPlanner::kAltitude)->setText(QString::fromLatin1(altitude));
    planner.sendCommand(CFuelPlanner::kValidate);
    if (pounds) {
        planner.setChecked(CFuelPlanner::kImperial, true);
        planner.sendCommand(CFuelPlanner::kImperial);
    }
    return ui::saveScreenshot(planner, dir, name);
}

} // namespace

QStringList saveFuelScreenshots(const QString& dir) {
    QStringList written;
    for (const QString& file : {plannerShot(dir, QStringLiteral("fuel-planner"), kA330_200, 170000,
                                            "3000", "35000", false),
                                plannerShot(dir, QStringLiteral("fuel-planner-a330-300-lb"),
                                            kA330_300, 175000, "5600", "37000", true)}) {
        if (!file.isEmpty())
            written << file;
    }
    return written;
}
