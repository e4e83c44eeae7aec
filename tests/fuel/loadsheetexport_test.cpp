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

} // namespace
