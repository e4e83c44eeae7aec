#include "configurator/keys/keysscreenshots.h"

QStringList saveKeysScreenshots(const QString&) {
    return {};
}
