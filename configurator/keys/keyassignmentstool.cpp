#include "configurator/keys/keyassignmentstool.h"

#include "configurator/app/installpaths.h"
#include "configurator/keys/keyconfig.h"

void runKeyAssignments(QWidget* parent) {
    keys::CKeyConfig dialog(keys::commandTable(), PrefsPath, parent);
    dialog.exec();
}
