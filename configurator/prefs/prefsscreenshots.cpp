#include "configurator/prefs/prefsscreenshots.h"

QStringList savePrefsScreenshots(const QString&) {
    return {};
}
