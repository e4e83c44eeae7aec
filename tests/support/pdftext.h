#pragma once
// A PDF file read back as text by poppler's pdftotext, its layout kept, for
// the POSIX tests of what a printed page says (Wine has no pdftotext).

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace testing_support {

// The page texts, a form feed after each page.
inline QString pdfText(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(pdftotext.waitForFinished(60000))
        << "pdftotext did not run (scripts/setup.sh installs poppler-utils)";
    EXPECT_EQ(pdftotext.exitCode(), 0) << pdftotext.readAllStandardError().toStdString();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// Whether a line of `text` holds `label`, then blanks, then `value`, alone.
inline bool hasLabelledValue(const QString& text, const QString& label, const QString& value) {
    const QRegularExpression row(
        QStringLiteral("^\\s*%1\\s+%2\\s*$")
            .arg(QRegularExpression::escape(label), QRegularExpression::escape(value)),
        QRegularExpression::MultilineOption);
    return row.match(text).hasMatch();
}

} // namespace testing_support
