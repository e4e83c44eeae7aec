#include "configurator/loadsheet/loadsheetexport.h"

#include "common/ui/filedialog.h"
#include "common/ui/messagebox.h"
#include "configurator/fuel/fuelplanner.h"
#include "configurator/load/loadmanager.h"
#include "configurator/loadsheet/loadsheet.h"
#include "configurator/loadsheet/loadsheetpdf.h"

#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

namespace loadsheet {

namespace {

// Where a new sheet is proposed: the user's documents, else the home folder.
QString documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace

// The payload is the one saved in the aircraft's file, in the unit shown, and
// the plan printed is made for its zero fuel weight.
void exportPlannedFlight(CFuelPlanner& planner, fuel::PlannedFlight flight) {
    if (!flight.type)
        return;
    CLoadManager payload(*flight.type);
    if (!payload.isInstalled()) {
        ui::showMessage(&planner,
                        QStringLiteral("The load sheet needs the payload of the aircraft,\n"
                                       "but its aircraft.cfg cannot be read."),
                        QStringLiteral("ERROR"), ui::MessageIcon::Error);
        return;
    }
    payload.load();
    payload.setUnit(flight.unit);
    payload.refresh();
    if (payload.lastZfw() != flight.input.zeroFuelWeight) {
        const QString unit = QLatin1String(unitSymbol(flight.unit));
        const bool replan = ui::askToProceed(
            &planner,
            QStringLiteral("The payload saved for the %1 gives a zero fuel weight of %2 %4;\n"
                           "the plan shown is for %3 %4. A load sheet is for one flight.\n\n"
                           "Plan with the payload's zero fuel weight and print that plan?")
                .arg(QLatin1String(flight.type->designation))
                .arg(payload.figures().zfw)
                .arg(flight.shown.zeroFuelWeight)
                .arg(unit),
            QStringLiteral("Load sheet"), QStringLiteral("Plan again"), QStringLiteral("Cancel"));
        if (!replan)
            return;
        const auto replanned = planner.planWithZeroFuelWeight(payload.lastZfw());
        if (!replanned)
            return; // Validate said why
        flight = *replanned;
        if (flight.plan.tooShortForAltitude || flight.plan.tripFuel < 0)
            return; // Validate warned
    }
    const Sheet sheet = composeSheet(
        {payload, flight.input, flight.shown, flight.maxGrossLb, QDateTime::currentDateTimeUtc()});

    const QString suggestion =
        QDir(documentsFolder())
            .filePath(
                QStringLiteral("Load sheet %1.pdf").arg(QLatin1String(flight.type->designation)));
    const QString file =
        ui::askForFile({&planner, ui::FileDialogMode::Save, QStringLiteral("Export load sheet"),
                        suggestion, QStringLiteral("PDF files (*.pdf)")});
    if (file.isEmpty())
        return;
    if (const QString error = writePdf(sheet, file); !error.isEmpty()) {
        ui::showMessage(&planner,
                        QStringLiteral("The load sheet could not be saved to\n%1:\n%2")
                            .arg(QDir::toNativeSeparators(file), error),
                        QStringLiteral("ERROR"), ui::MessageIcon::Error);
        return;
    }
    ui::showMessage(
        &planner,
        QStringLiteral("The load sheet was saved to\n%1").arg(QDir::toNativeSeparators(file)),
        QStringLiteral("Status"), ui::MessageIcon::Information);
}

void attachExport(CFuelPlanner& planner) {
    QObject::connect(
        &planner, &CFuelPlanner::loadSheetRequested, &planner,
        [&planner](const fuel::PlannedFlight& flight) { exportPlannedFlight(planner, flight); });
}

} // namespace loadsheet
