#pragma once
// A simulator folder with one aircraft and a run of `configurator loadsheet`
// in it, for the load sheet's tests.

#include "configurator/cli/loadsheetcommand.h"
#include "configurator/session/installpaths.h"
#include "tests/support/tempdir.h"

#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>
#include <gtest/gtest.h>

namespace loadsheet_test {

struct CommandRun {
    int status = 0;
    QString out, err;
};

class LoadSheetCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        resolveInstallPaths(dir.path().string(), "");
        // 30 business and 200 economy passengers, the forward hold at 50 %.
        testing_support::writeFile(dir.path() / "Aircraft" / "Korvanta TEV A332GE" / "Aircraft.cfg",
                                   "[WEIGHT_AND_BALANCE]\r\n"
                                   "max_gross_weight=507063\r\n"
                                   "empty_weight=264875\r\n"
                                   "station_load.2=\"20789,   16.0, 0.0, 0.0, Baggage\"\r\n"
                                   "station_load.4=\"4960,   26.0, 0.0, 0.0, First\"\r\n"
                                   "station_load.5=\"33068,  0.0, 0.0, 0.0, Coach\"\r\n");
    }
    QString pdf() const { return QString::fromStdString((dir.path() / "sheet.pdf").string()); }

    CommandRun run(QStringList args) {
        CommandRun result;
        QTextStream out(&result.out);
        QTextStream err(&result.err);
        result.status = runLoadSheetCommand(args, out, err);
        out.flush();
        err.flush();
        return result;
    }
    QStringList flight(const QString& pdfFile) const {
        return {QStringLiteral("--aircraft"), QStringLiteral("A330-200"),
                QStringLiteral("--distance"), QStringLiteral("3000"),
                QStringLiteral("--altitude"), QStringLiteral("35000"),
                QStringLiteral("--pdf"),      pdfFile};
    }

    testing_support::TempDir dir;
};

} // namespace loadsheet_test
