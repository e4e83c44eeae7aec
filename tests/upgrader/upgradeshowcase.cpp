// The installer window after a successful upgrade of every gauge, for the
// README: the nine entries of the package under their own names, but with
// test gauges, their signatures and the test patch program, since the
// package's real gauges are not ours to ship. Test-only; never installed.
//   volaro_upgrade_showcase --screenshots DIR
// Writes DIR/upgrader-after-upgrade.png; fails unless the run succeeded.
#include "common/platform/display.h"
#include "common/platform/hostpath.h"
#include "common/ui/messagebox.h"
#include "tests/upgrader/fakesimulator.h"
#include "upgrader/screenshots.h"
#include "upgrader/upgrade2dlg.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <vector>

using namespace upgrader_testing;

namespace {

const std::string kAircraftCfg = "[General]\r\natc_type=Korvanta\r\n\r\n[Electrical]\r\n"
                                 "electric_always_available=0\r\n\r\n[Radios]\r\nAdf.1=1\r\n";

} // namespace

int main(int argc, char* argv[]) {
    platform::useOffscreenRendering();
    QApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3 || arguments[1] != QStringLiteral("--screenshots")) {
        err << "usage: volaro_upgrade_showcase --screenshots DIR\n";
        return 2;
    }
    if (!QDir().mkpath(arguments[2])) {
        err << "volaro_upgrade_showcase: cannot create the folder " << arguments[2] << "\n";
        return 1;
    }

    FakeSimulator sim;
    sim.installPatchProgram();
    std::vector<UpgradeEntry> catalogue;
    for (const UpgradeEntry& real : UpgradeCatalogue()) {
        const TestGauge gauge(real.gaugeName);
        UpgradeEntry entry = real;
        entry.signatureV1 = md5(gauge.v1);
        if (!entry.signatureMcdu.empty())
            entry.signatureMcdu = md5(gauge.mcdu);
        entry.signatureV2 = md5(gauge.v2);
        sim.write(FakeSimulator::gaugeFile(entry), gauge.v1);
        sim.write(FakeSimulator::patchFile(entry), plainPatch(gauge));
        if (!entry.panelOnly)
            sim.write(FakeSimulator::folderOf(entry) + "/aircraft.cfg", kAircraftCfg);
        catalogue.push_back(entry);
    }

    ui::MessageRecorder messages; // an error box would wait for a click
    Upgrade2Dlg window(
        platform::pathText(QDir::toNativeSeparators(QString::fromStdString(sim.root()))),
        catalogue);
    const QString file =
        saveAfterRunScreenshot(window, arguments[2], QStringLiteral("upgrader-after-upgrade"));
    if (file.isEmpty() || !window.run().success() || !messages.messages().empty()) {
        err << "volaro_upgrade_showcase: the run did not upgrade every gauge\n";
        return 1;
    }
    QTextStream(stdout) << QDir::toNativeSeparators(file) << "\n";
    return 0;
}
