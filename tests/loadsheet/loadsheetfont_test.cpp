// The sheet is set in the shipped family whatever the windows' font is: from
// the fonts folder beside the Windows program, from the system on Linux.
#include "tests/loadsheet/loadsheetrun.h"

#include <QFile>
#include <QFont>
#include <QRegularExpression>

namespace {

using loadsheet_test::LoadSheetCommandTest;

TEST_F(LoadSheetCommandTest, EveryFontOfTheSheetIsLiberationSans) {
    const QFont windows = QGuiApplication::font();
    QGuiApplication::setFont(QFont(QStringLiteral("DejaVu Serif")));
    const auto status = run(flight(pdf())).status;
    QGuiApplication::setFont(windows);
    ASSERT_EQ(status, 0);

    QFile file(pdf());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString bytes = QString::fromLatin1(file.readAll());
    // An embedded subset is named TAG+PostScriptName.
    const QRegularExpression baseFont(QStringLiteral("/BaseFont\\s*/(?:[A-Z]{6}\\+)?([^\\s/>]+)"));
    QStringList fonts;
    for (const QRegularExpressionMatch& match : baseFont.globalMatch(bytes))
        fonts << match.captured(1);
    fonts.removeDuplicates();
    fonts.sort();
    EXPECT_EQ(fonts, (QStringList{QStringLiteral("LiberationSans"),
                                  QStringLiteral("LiberationSans-Bold")}));
}

} // namespace
