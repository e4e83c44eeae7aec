#include "configurator/cli/payloadcommand.h"

#include "common/backup/backupstore.h"
#include "common/platform/hostpath.h"
#include "configurator/session/installpaths.h"
#include "tests/support/backupfolder.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

struct CommandRun {
    int status;
    QString out;
    QString err;
};

class PayloadCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        resolveInstallPaths(dir.path().string(), "");
        writeFile(a346(), "[WEIGHT_AND_BALANCE]\r\nempty_weight=390220\r\n"
                          "station_load.4=\"4960,   26.0, 0.0, 0.0, First\"\r\n");
    }
    std::filesystem::path a346() const {
        return dir.path() / "Aircraft" / "Korvanta TEV A346RR" / "Aircraft.cfg";
    }
    CommandRun run(const QStringList& args) {
        CommandRun result;
        QTextStream out(&result.out);
        QTextStream err(&result.err);
        result.status = runPayloadCommand(args, out, err);
        out.flush();
        err.flush();
        return result;
    }
    TempDir dir;
};

TEST_F(PayloadCommandTest, JsonCarriesEveryShownNumberInTheUnit) {
    const CommandRun r =
        run({QStringLiteral("--aircraft"), QStringLiteral("A340-600"), QStringLiteral("--economy"),
             QStringLiteral("383"), QStringLiteral("--aft"), QStringLiteral("50"),
             QStringLiteral("--unit"), QStringLiteral("lb"), QStringLiteral("--json")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(r.out.toUtf8()).object();
    const QStringList keys = {QStringLiteral("aircraft"),
                              QStringLiteral("installed"),
                              QStringLiteral("business"),
                              QStringLiteral("economy"),
                              QStringLiteral("forward"),
                              QStringLiteral("aft"),
                              QStringLiteral("unit"),
                              QStringLiteral("business_weight"),
                              QStringLiteral("economy_weight"),
                              QStringLiteral("pax_weight"),
                              QStringLiteral("forward_weight"),
                              QStringLiteral("aft_weight"),
                              QStringLiteral("cargo_weight"),
                              QStringLiteral("aircraft_weight"),
                              QStringLiteral("zfw"),
                              QStringLiteral("zfw_kg"),
                              QStringLiteral("zfw_cg_mac")};
    EXPECT_EQ(json.keys().size(), keys.size());
    for (const QString& key : keys)
        EXPECT_TRUE(json.contains(key)) << key.toStdString();
    EXPECT_EQ(json.value(QStringLiteral("aircraft")).toString(), QStringLiteral("A340-600"));
    EXPECT_EQ(json.value(QStringLiteral("installed")).toBool(), true);
    EXPECT_EQ(json.value(QStringLiteral("business")).toInt(), 30); // read from the file
    EXPECT_EQ(json.value(QStringLiteral("economy")).toInt(), 383); // every seat
    EXPECT_EQ(json.value(QStringLiteral("unit")).toString(), QStringLiteral("lb"));
    EXPECT_EQ(json.value(QStringLiteral("aft_weight")).toInt(), 20392); // 9250 kg in lb
    EXPECT_EQ(json.value(QStringLiteral("zfw_kg")).toInt(),
              177004 + 75 * (30 + 383) + 9250 - 1); // the pound totals lose a kilogram
}

TEST_F(PayloadCommandTest, TextListsTheFiguresAndSaveWritesTheFile) {
    const CommandRun r =
        run({QStringLiteral("--aircraft"), QStringLiteral("a340-600"), QStringLiteral("--business"),
             QStringLiteral("0"), QStringLiteral("--forward"), QStringLiteral("100"),
             QStringLiteral("--save")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("Forward Cargo    100 %      22860")))
        << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("ZFW (kg)")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("Saved: ")));
    const std::string file = readFile(a346());
    EXPECT_NE(file.find("station_load.4=\"0,   26.0, 0.0, 0.0, First\""), std::string::npos);
    EXPECT_NE(file.find("station_load.2=\"50396,   16.0, 0.0, 0.0, Baggage\""), std::string::npos);
}

// An editor or the simulator writes the file between our read and our write.
TEST_F(PayloadCommandTest, SaveRefusesAFileChangedAfterItsRead) {
    testing_support::BackupFolder backups;
    const std::string theirs = readFile(a346()) + "station_load.0=\"1\"\r\n";
    const BeforePayloadSave race([&] { writeFile(a346(), theirs); });
    const CommandRun r =
        run({QStringLiteral("--aircraft"), QStringLiteral("A340-600"), QStringLiteral("--economy"),
             QStringLiteral("100"), QStringLiteral("--save")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("was changed by another program after it was read; "
                                              "nothing was saved")))
        << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("A346RR")));
    EXPECT_FALSE(r.out.contains(QStringLiteral("Saved: ")));
    EXPECT_EQ(readFile(a346()), theirs);
    EXPECT_TRUE(testing_support::entriesIn(backups.path()) == 0u)
        << "nothing replaced, nothing kept";
}

TEST_F(PayloadCommandTest, SaveKeepsThePreviousContentAsABackup) {
    testing_support::BackupFolder backups;
    const std::string before = readFile(a346());
    ASSERT_EQ(run({QStringLiteral("--aircraft"), QStringLiteral("A340-600"),
                   QStringLiteral("--economy"), QStringLiteral("100"), QStringLiteral("--save")})
                  .status,
              0);
    const auto kept = backup::Store().list();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(readFile(kept[0].file.toStdString()), before);
}

TEST_F(PayloadCommandTest, WithoutSaveTheFileIsUntouched) {
    const std::string before = readFile(a346());
    EXPECT_EQ(run({QStringLiteral("--aircraft"), QStringLiteral("A340-600"),
                   QStringLiteral("--economy"), QStringLiteral("100")})
                  .status,
              0);
    EXPECT_EQ(readFile(a346()), before);
}

TEST_F(PayloadCommandTest, NotInstalledAircraftExitsWithThree) {
    const CommandRun r = run({QStringLiteral("--aircraft"), QStringLiteral("A330-200")});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err, QStringLiteral("Sorry, this aircraft is not installed on your system\n"));
    EXPECT_TRUE(r.out.isEmpty());
}

// A file of that name that cannot be read is not "not installed".
TEST_F(PayloadCommandTest, AircraftFileThatCannotBeReadIsReported) {
    const auto file = dir.path() / "Aircraft" / "Korvanta TEV A332GE" / "Aircraft.cfg";
    std::filesystem::create_directories(file);
    const CommandRun r = run({QStringLiteral("--aircraft"), QStringLiteral("A330-200")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("configurator payload: cannot read ") +
                                 platform::qtPath(file)))
        << r.err.toStdString();
    EXPECT_FALSE(r.err.contains(QStringLiteral("not installed")));
    EXPECT_TRUE(r.out.isEmpty());
}

TEST_F(PayloadCommandTest, BadArgumentsExitWithTwoAndSayWhy) {
    const struct {
        QStringList args;
        const char* says;
    } cases[] = {
        {{}, "--aircraft is required"},
        {{QStringLiteral("--aircraft"), QStringLiteral("A350")}, "unknown aircraft 'A350'"},
        {{QStringLiteral("--aircraft")}, "--aircraft needs a value"},
        {{QStringLiteral("--aircraft"), QStringLiteral("A340-600"), QStringLiteral("--economy"),
          QStringLiteral("many")},
         "--economy needs a whole number"},
        {{QStringLiteral("--aircraft"), QStringLiteral("A340-600"), QStringLiteral("--aft")},
         "--aft needs a whole number"},
        {{QStringLiteral("--aircraft"), QStringLiteral("A340-600"), QStringLiteral("--unit"),
          QStringLiteral("st")},
         "--unit must be kg or lb"},
        {{QStringLiteral("--aircraft"), QStringLiteral("A340-600"), QStringLiteral("--fast")},
         "unknown argument '--fast'"},
    };
    for (const auto& c : cases) {
        const CommandRun r = run(c.args);
        EXPECT_EQ(r.status, 2) << c.says;
        EXPECT_TRUE(r.err.contains(QString::fromLatin1(c.says))) << r.err.toStdString();
    }
}

} // namespace
