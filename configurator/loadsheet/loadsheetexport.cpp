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

// The payload is the one saved in the aircraft's file, in the unit shown.
void exportPlannedFlight(QWidget* parent, const fuel::PlannedFlight& flight) {
    if (!flight.type)
        return;
    CLoadManager payload(*flight.type);
    if (!payload.isInstalled()) {
        ui::showMessage(parent,
                        QStringLiteral("The load sheet needs the payload of the aircraft,\n"
                                       "but its aircraft.cfg cannot be read."),
                        QStringLiteral("ERROR"), ui::MessageIcon::Error);
        return;
    }
    payload.load();
    payload.setUnit(flight.unit);
    payload.refresh();
    const Sheet sheet = composeSheet(
        {payload, flight.input, flight.shown, flight.maxGrossLb, QDateTime::currentDateTimeUtc()});

    const QString suggestion =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(
                QStringLiteral("Load sheet %1.pdf").arg(QLatin1String(flight.type->designation)));
    const QString file =
        ui::askForFile({parent, ui::FileDialogMode::Save, QStringLiteral("Export load sheet"),
                        suggestion, QStringLiteral("PDF files (*.pdf)")});
    if (file.isEmpty())
        return;
    if (const QString error = writePdf(sheet, file); !error.isEmpty()) {
        ui::showMessage(parent,
                        QStringLiteral("The load sheet could not be saved to\n%1:\n%2")
                            .arg(QDir::toNativeSeparators(file), error),
                        QStringLiteral("ERROR"), ui::MessageIcon::Error);
        return;
    }
    ui::showMessage(
        parent,
        QStringLiteral("The load sheet was saved to\n%1").arg(QDir::toNativeSeparators(file)),
        QStringLiteral("Status"), ui::MessageIcon::Information);
}

void attachExport(CFuelPlanner& planner) {
    QObject::connect(
        &planner, &CFuelPlanner::loadSheetRequested, &planner,
        [&planner](const fuel::PlannedFlight& flight) { exportPlannedFlight(&planner, flight); });
}

} // namespace loadsheet
