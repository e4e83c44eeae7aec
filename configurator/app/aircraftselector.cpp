#include "configurator/app/aircraftselector.h"

#include "configurator/res/shellart.h"
#include "configurator/session/sessionstate.h"

#include <QMouseEvent>
#include <QPixmap>

namespace {

using ui::Kind;

constexpr ui::Control kControls[] = {
    {1008, Kind::RadioPushButton, "A330-200", 4, 7, 206, 41, ui::GroupStart},
    {1009, Kind::RadioPushButton, "A330-300", 4, 52, 206, 41},
    {1010, Kind::RadioPushButton, "A340-300", 4, 97, 206, 41},
    {1011, Kind::RadioPushButton, "A340-600", 4, 142, 206, 41},
    {2, Kind::PushButton, "Select an aircraft...", 52, 198, 110, 18},
};
constexpr ui::DialogTemplate kTemplate{"Aircraft Selector", 214, 230, kControls};

// Drawn on first use and kept for the rest of the run.
const QImage& aircraftImage(int index) {
    static const QImage kImages[kAircraftCount] = {
        art::selectorImage(kA330_200), art::selectorImage(kA330_300), art::selectorImage(kA340_300),
        art::selectorImage(kA340_600)};
    return kImages[index];
}

} // namespace

AircraftSelector::AircraftSelector(QWidget* parent)
    : ui::TemplateDialog(kTemplate, parent) {
    for (int i = 0; i < kAircraftCount; ++i) {
        setImage(kFirstAircraftButton + i, QPixmap::fromImage(aircraftImage(i)));
        control(kFirstAircraftButton + i)->installEventFilter(this);
    }
}

bool AircraftSelector::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int id = kFirstAircraftButton; id < kFirstAircraftButton + kAircraftCount; ++id) {
            if (watched == control(id)) {
                onCommand(id);
                onCommand(2);
                return true;
            }
        }
    }
    return ui::TemplateDialog::eventFilter(watched, event);
}

void AircraftSelector::onCommand(int id) {
    if (id >= kFirstAircraftButton && id < kFirstAircraftButton + kAircraftCount)
        CurrentAircraft = kFirstAircraft + (id - kFirstAircraftButton);
    else if (id == 2)
        done(2);
}

void runAircraftSelector(QWidget* parent) {
    AircraftSelector selector(parent);
    selector.exec();
}
