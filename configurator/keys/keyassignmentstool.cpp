#include "configurator/keys/keyassignmentstool.h"

#include "configurator/session/installpaths.h"
#include "configurator/keys/keyconfig.h"

void runKeyAssignments(QWidget* parent) {
    keys::CKeyConfig dialog(keys::commandTable(), PrefsPath, parent);
    dialog.exec();
}
