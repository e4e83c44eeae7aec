#include "configurator/fuel/fuelscreenshots.h"

#include "common/ui/filedialog.h"
#include "common/ui/messagebox.h"
#include "common/ui/screenshot.h"
#include "configurator/fuel/fuelplanner.h"
#include "configurator/session/sessionstate.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

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

// A flight plan as the user would download it, imported through the button;
// %1 the ICAO type, %2 the designation.
constexpr char kSamplePlan[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<OFP>
  <params><units>kgs</units></params>
  <general>
    <costindex>35</costindex>
    <initial_altitude>37000</initial_altitude>
    <route_distance>4120</route_distance>
    <air_distance>4235</air_distance>
  </general>
  <aircraft><icaocode>%1</icaocode><base_type>%1</base_type><name>%2</name></aircraft>
  <fuel><taxi>250</taxi></fuel>
  <weights><est_zfw>178500</est_zfw></weights>
</OFP>
)";

QString importShot(const QString& dir, const QString& name) {
    QTemporaryDir folder;
    const QString plan = folder.filePath(QStringLiteral("VLR340.xml"));
    const AircraftType& type = *aircraftOfCode(kA340_300);
    const QByteArray bytes = QString::fromLatin1(kSamplePlan)
                                 .arg(QLatin1String(type.icaoType), QLatin1String(type.designation))
                                 .toUtf8();
    QFile file(plan);
    if (!folder.isValid() || !file.open(QIODevice::WriteOnly) ||
        file.write(bytes) != bytes.size() || !file.flush())
        return {};
    file.close();
    SessionScope session(kA340_300, 0);
    ui::MessageRecorder quiet;
    ui::FileDialogRecorder chosen(plan);
    CFuelPlanner planner;
    planner.sendCommand(CFuelPlanner::kImportOfp);
    planner.sendCommand(CFuelPlanner::kValidate);
    return ui::saveScreenshot(planner, dir, name);
}

} // namespace

QStringList saveFuelScreenshots(const QString& dir) {
    QStringList written;
    for (const QString& file : {plannerShot(dir, QStringLiteral("fuel-planner"), kA330_200, 170000,
                                            "3000", "35000", false),
                                plannerShot(dir, QStringLiteral("fuel-planner-a330-300-lb"),
                                            kA330_300, 175000, "5600", "37000", true),
                                importShot(dir, QStringLiteral("fuel-planner-after-import"))}) {
        if (!file.isEmpty())
            written << file;
    }
    return written;
}
