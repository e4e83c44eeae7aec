#include "configurator/load/loadscreenshots.h"

QStringList saveLoadScreenshots(const QString&) {
    return {};
}
