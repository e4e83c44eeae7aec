#include "configurator/keys/keyassignmentstool.h"

#include "configurator/keys/keyconfig.h"
#include "configurator/session/installpaths.h"

void runKeyAssignments(QWidget* parent) {
    keys::CKeyConfig dialog(keys::commandTable(), PrefsPath, parent);
    dialog.exec();
}
