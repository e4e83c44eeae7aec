#include "tests/fuel/loadsheetexport.h"

#include <QDir>
#include <QFile>
#include <QPushButton>

#include <filesystem>

namespace {

using loadsheet_export::LoadSheetExportTest;
using loadsheet_export::P;

TEST_F(LoadSheetExportTest, ValidatesThenWritesTheSheetWhereTheUserSays) {
    CFuelPlanner planner;
    loadsheet::attachExport(planner);
    type(planner, P::kDistance, "3000");
    type(planner, P::kAltitude, "35000"); // not validated yet
    ui::FileDialogRecorder files(sheet());
    planner.control<QPushButton>(P::kExportLoadSheet)->click();
    EXPECT_FALSE(text(planner, P::kBlockFuel).isEmpty()) << "Validate ran first";
    ASSERT_EQ(files.requests().size(), 1u);
    EXPECT_EQ(files.requests()[0].owner, &planner);
    EXPECT_EQ(files.requests()[0].mode, ui::FileDialogMode::Save);
    EXPECT_TRUE(files.requests()[0].suggestion.endsWith(QStringLiteral("Load sheet A330-200.pdf")));
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].caption, QStringLiteral("Status"));
    EXPECT_EQ(messages.messages()[0].text,
              QStringLiteral("The load sheet was saved to\n") + QDir::toNativeSeparators(sheet()));
    QFile pdf(sheet());
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-1."));
    EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 1);
}

TEST_F(LoadSheetExportTest, NothingIsWrittenWithoutAPlanOrAFileAndAFailureSaysWhy) {
    AircraftZfw[kA330_200 - kFirstAircraft] = 0;
    CFuelPlanner planner;
    loadsheet::attachExport(planner);
    ui::FileDialogRecorder files(sheet());
    planner.sendCommand(P::kExportLoadSheet); // no distance, altitude, ZFW
    EXPECT_TRUE(files.requests().empty());
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text,
              QStringLiteral("All the mandatory fields must be filled."));

    messages.clear();
    type(planner, P::kZeroFuelWeight, "135147");
    type(planner, P::kDistance, "3000");
    type(planner, P::kAltitude, "35000");
    files.setAnswer(QString()); // the user cancels
    planner.sendCommand(P::kExportLoadSheet);
    EXPECT_EQ(files.requests().size(), 1u);
    EXPECT_TRUE(messages.messages().empty());

    const QString unwritable =
        QString::fromStdString((sim.path() / "no-such-folder" / "sheet.pdf").string());
    files.setAnswer(unwritable);
    planner.sendCommand(P::kExportLoadSheet);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].caption, QStringLiteral("ERROR"));
    EXPECT_TRUE(messages.messages()[0].text.startsWith(
        QStringLiteral("The load sheet could not be saved to\n") +
        QDir::toNativeSeparators(unwritable)));
    EXPECT_FALSE(std::filesystem::exists(sim.path() / "no-such-folder"));
    EXPECT_FALSE(QFile::exists(sheet()));
}

// A sheet is for one flight: a plan made for another zero fuel weight than
// the payload's is planned again with the payload's, if the user agrees; a
// plan that is not valid is not printed.
TEST_F(LoadSheetExportTest, SheetIsForThePayloadsZeroFuelWeightAndAValidPlan) {
    CFuelPlanner planner;
    loadsheet::attachExport(planner);
    type(planner, P::kDistance, "3000");
    type(planner, P::kAltitude, "35000");
    type(planner, P::kZeroFuelWeight, "150000");
    planner.sendCommand(P::kValidate);
    ui::FileDialogRecorder files(sheet());

    messages.answerQuestionsWith(false);
    planner.sendCommand(P::kExportLoadSheet);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_TRUE(messages.messages()[0].text.contains(QStringLiteral("135147 kg")))
        << messages.messages()[0].text.toStdString();
    EXPECT_TRUE(files.requests().empty());
    EXPECT_EQ(text(planner, P::kZeroFuelWeight), QStringLiteral("150000"));

    messages.clear();
    messages.answerQuestionsWith(true);
    planner.sendCommand(P::kExportLoadSheet);
    EXPECT_EQ(files.requests().size(), 1u);
    EXPECT_EQ(text(planner, P::kZeroFuelWeight), QStringLiteral("135147"));
    EXPECT_TRUE(planner.resultsShown());
    EXPECT_TRUE(QFile::exists(sheet()));
    QFile::remove(sheet());

    messages.clear();
    type(planner, P::kDistance, "50");
    type(planner, P::kAltitude, "39000");
    planner.sendCommand(P::kExportLoadSheet);
    ASSERT_FALSE(messages.messages().empty());
    EXPECT_TRUE(messages.messages().back().text.startsWith(
        QStringLiteral("No load sheet is printed for this plan:\nThe flying distance of 50 NM")))
        << messages.messages().back().text.toStdString();
    EXPECT_EQ(files.requests().size(), 1u);
    EXPECT_FALSE(QFile::exists(sheet()));
}

} // namespace
