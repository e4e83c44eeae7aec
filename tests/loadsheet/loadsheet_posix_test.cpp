// The PDF read back as text with poppler's pdftotext (not under Wine).
#include "tests/loadsheet/loadsheetrun.h"
#include "tests/support/pdftext.h"

#include <QRegularExpression>

namespace {

using loadsheet_test::CommandRun;
using loadsheet_test::LoadSheetCommandTest;
using testing_support::hasLabelledValue;
using testing_support::pdfText;

// Every row the command prints, label and value, is on one line of the page.
TEST_F(LoadSheetCommandTest, PageCarriesEveryFigureOfTheSheet) {
    for (const char* unit : {"kg", "lb"}) {
        SCOPED_TRACE(unit);
        QStringList args = flight(pdf());
        args << QStringLiteral("--unit") << QLatin1String(unit) << QStringLiteral("--economy")
             << QStringLiteral("263") << QStringLiteral("--distance") << QStringLiteral("6900");
        const CommandRun r = run(args);
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        const QString page = pdfText(pdf());
        EXPECT_EQ(page.count(u'\f'), 1) << "one page";
        int rows = 0;
        // A row of the printed sheet: two blanks, the label, blanks, the value.
        const QRegularExpression printed(QStringLiteral("^  (\\S.*?)\\s{2,}(\\S.*)$"));
        for (const QString& line : r.out.split(u'\n')) {
            const QRegularExpressionMatch row = printed.match(line);
            if (!row.hasMatch())
                continue;
            ++rows;
            EXPECT_TRUE(hasLabelledValue(page, row.captured(1), row.captured(2)))
                << line.toStdString() << "\n"
                << page.toStdString();
        }
        EXPECT_GE(rows, 20);
        EXPECT_TRUE(page.contains(QStringLiteral("Load Sheet A330-200")));
        EXPECT_TRUE(page.contains(unit == std::string("kg") ? QStringLiteral("kilograms (kg)")
                                                            : QStringLiteral("pounds (lb)")));
        EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral("Date: \\d{4}-\\d\\d-\\d\\d "
                                                                    "\\d\\d:\\d\\d UTC"))));
    }
}

} // namespace
