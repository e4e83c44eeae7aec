#include "configurator/cli/fuelcommand.h"
#include "configurator/cli/loadsheetcommand.h"
#include "configurator/cli/payloadcommand.h"
#include "configurator/session/installpaths.h"
#include "tests/support/tempdir.h"

#include <QStringList>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

using testing_support::TempDir;
using testing_support::writeFile;

struct CommandRun {
    int status;
    QString out, err;
};

enum Command { Payload = 1, Fuel = 2, LoadSheet = 4 };

class CommandOptions : public ::testing::Test {
protected:
    void SetUp() override {
        resolveInstallPaths(dir.path().string(), "");
        for (const char* folder : {"Korvanta TEV A332GE", "Korvanta TEV A346RR"})
            writeFile(dir.path() / "Aircraft" / folder / "Aircraft.cfg",
                      "[WEIGHT_AND_BALANCE]\r\nmax_gross_weight=507063\r\nempty_weight=264875\r\n");
    }

    // The command's line for one flight, the aircraft option replaced by
    // `aircraft` and `extra` added.
    CommandRun run(Command command, const QStringList& aircraft, const QStringList& extra) {
        QStringList args = aircraft;
        if (command == Fuel)
            args << QStringLiteral("--distance") << QStringLiteral("3000")
                 << QStringLiteral("--altitude") << QStringLiteral("35000")
                 << QStringLiteral("--zfw") << QStringLiteral("170000");
        if (command == LoadSheet)
            args << QStringLiteral("--distance") << QStringLiteral("3000")
                 << QStringLiteral("--altitude") << QStringLiteral("35000")
                 << QStringLiteral("--pdf")
                 << QString::fromStdString((dir.path() / "sheet.pdf").string());
        args << extra;
        CommandRun result;
        QTextStream out(&result.out);
        QTextStream err(&result.err);
        result.status = command == Payload ? runPayloadCommand(args, out, err)
                        : command == Fuel  ? runFuelCommand(args, out, err)
                                           : runLoadSheetCommand(args, out, err);
        out.flush();
        err.flush();
        return result;
    }

    TempDir dir;
};

TEST_F(CommandOptions, TheSameLineMeansTheSameInEveryCommand) {
    const QStringList a332{QStringLiteral("--aircraft"), QStringLiteral("A330-200")};
    const struct {
        const char* name;
        int commands; // which commands take the options
        QStringList aircraft, extra;
        int status;
        const char* message; // in the standard error
    } cases[] = {
        {"negative passengers",
         Payload | LoadSheet,
         a332,
         {QStringLiteral("--business"), QStringLiteral("-5")},
         2,
         "--business must be from 0 to 30 (the seats of the A330-200)"},
        {"empty aircraft",
         Payload | Fuel | LoadSheet,
         {QStringLiteral("--aircraft"), QString()},
         {},
         2,
         "--aircraft needs a value"},
        {"unknown aircraft",
         Payload | Fuel | LoadSheet,
         {QStringLiteral("--aircraft"), QStringLiteral("A350")},
         {},
         2,
         "unknown aircraft 'A350' (use A330-200, A330-300, A340-300 or A340-600)"},
        {"letters for passengers",
         Payload | LoadSheet,
         a332,
         {QStringLiteral("--economy"), QStringLiteral("ten")},
         2,
         "--economy needs a whole number"},
        {"letters for a distance",
         Fuel | LoadSheet,
         a332,
         {QStringLiteral("--distance"), QStringLiteral("3k")},
         2,
         "--distance needs a whole number"},
        {"negative taxi fuel",
         Fuel | LoadSheet,
         a332,
         {QStringLiteral("--taxi"), QStringLiteral("-5")},
         2,
         "--taxi must be from 0 to 99999999"},
        {"a distance beyond any integer",
         Fuel | LoadSheet,
         a332,
         {QStringLiteral("--distance"), QStringLiteral("999999999999")},
         2,
         "--distance must be from 1 to 99999999"},
        {"101 %",
         Payload | LoadSheet,
         a332,
         {QStringLiteral("--forward"), QStringLiteral("101")},
         2,
         "--forward must be from 0 to 100 (percent of the hold)"},
        {"more passengers than seats",
         Payload | LoadSheet,
         a332,
         {QStringLiteral("--economy"), QStringLiteral("9999")},
         2,
         "--economy must be from 0 to 263 (the seats of the A330-200)"},
        {"unknown unit",
         Payload | Fuel | LoadSheet,
         a332,
         {QStringLiteral("--unit"), QStringLiteral("st")},
         2,
         "--unit must be kg or lb"},
        {"aircraft in any case",
         Payload | Fuel | LoadSheet,
         {QStringLiteral("--aircraft"), QStringLiteral("a340-600")},
         {},
         0,
         ""},
    };
    for (const auto& c : cases) {
        for (const Command command : {Payload, Fuel, LoadSheet}) {
            if (!(c.commands & command))
                continue;
            SCOPED_TRACE(std::string(c.name) + ", command " + std::to_string(command));
            const CommandRun r = run(command, c.aircraft, c.extra);
            EXPECT_EQ(r.status, c.status) << r.err.toStdString();
            EXPECT_TRUE(r.err.contains(QLatin1String(c.message))) << r.err.toStdString();
            if (c.status == 0) {
                EXPECT_FALSE(r.out.isEmpty());
            }
        }
    }
}

// The option groups ask for options a command may lack (fuel has no
// passengers); Qt would warn on the terminal about each.
QStringList& qtMessages() {
    static QStringList messages; // a message handler takes no context
    return messages;
}

TEST_F(CommandOptions, OptionsACommandLacksRaiseNoQtWarning) {
    qtMessages().clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { qtMessages() << text; });
    const QStringList a332{QStringLiteral("--aircraft"), QStringLiteral("A330-200")};
    for (const Command command : {Payload, Fuel, LoadSheet})
        run(command, a332, {});
    qInstallMessageHandler(previous);
    EXPECT_TRUE(qtMessages().isEmpty()) << qtMessages().join(u'\n').toStdString();
}

// Weights typed in pounds are pounds, and every weight printed is too.
TEST_F(CommandOptions, FuelTakesAndShowsPoundsWithUnitLb) {
    const QStringList a332{QStringLiteral("--aircraft"), QStringLiteral("A330-200")};
    const CommandRun kg = run(Fuel, a332, {});
    const CommandRun lb =
        run(Fuel, a332,
            {QStringLiteral("--unit"), QStringLiteral("lb"), QStringLiteral("--zfw"),
             QStringLiteral("374779"), QStringLiteral("--taxi"), QStringLiteral("441")});
    ASSERT_EQ(kg.status, 0) << kg.err.toStdString();
    ASSERT_EQ(lb.status, 0) << lb.err.toStdString();
    EXPECT_TRUE(kg.out.contains(QStringLiteral("Taxi Fuel       200 kg\n")))
        << kg.out.toStdString();
    EXPECT_TRUE(lb.out.contains(QStringLiteral("Taxi Fuel       441 lb\n")))
        << lb.out.toStdString();
    EXPECT_TRUE(lb.out.contains(QStringLiteral("Max TOW         507063 lb\n")))
        << lb.out.toStdString();
    EXPECT_FALSE(lb.out.contains(QStringLiteral(" kg"))) << lb.out.toStdString();
}

} // namespace
