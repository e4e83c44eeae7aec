#include "upgrader/gaugefiles.h"

std::string installerFolder(const std::string& root) {
    return root + '\\' + std::string(kInstallerFolder);
}

GaugeFiles gaugeFiles(const std::string& root, const UpgradeEntry& entry) {
    GaugeFiles files;
    // A panel-only entry names the gauge's folder itself; an aircraft entry
    // keeps its gauge in the aircraft's "panel" subfolder.
    files.folder = root + '\\' + entry.folder + (entry.panelOnly == 1 ? "" : "\\panel");
    files.gauge = files.folder + '\\' + entry.gaugeName + ".gau";
    files.backup = files.folder + '\\' + entry.gaugeName + ".upg1";
    files.patchProgram = installerFolder(root) + "\\patch.bin";
    files.patchData = root + '\\' + entry.patchFile;
    files.mcduPatchData = files.patchData + '_';
    if (entry.panelOnly == 0) {
        const std::string aircraftFolder = root + '\\' + entry.folder;
        files.aircraftFile = aircraftFolder + "\\aircraft.cfg";
        files.aircraftBackup = aircraftFolder + "\\aircraft.upg1";
    }
    return files;
}
