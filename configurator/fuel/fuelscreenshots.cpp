#include "configurator/fuel/fuelscreenshots.h"

QStringList saveFuelScreenshots(const QString&) {
    return {};
}
