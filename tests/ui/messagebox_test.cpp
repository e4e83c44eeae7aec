#include "common/ui/messagebox.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

// The note after the configuration window's Ok: its first line is wider than
// half of the offscreen platform's 800 px screen, where Qt would wrap it.
const QString kNote =
    QStringLiteral("NOTE: Any change made in the configuration window will be taken into account\n"
                   "           only next time the aircraft is loaded in Flight Simulator.");

TEST(MessageBox, KeepsEveryLineOfTheTextWhole) {
    for (const QString& text : {kNote, QStringLiteral("Please select a command first.")}) {
        ui::MessageBox box(ui::MessageIcon::Information, QStringLiteral("WARNING"), text, nullptr);
        box.show();
        QApplication::processEvents();
        const auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(QString(label->text()).replace(QChar::Nbsp, u' '), text);
        const QFontMetrics metrics(label->font());
        const QStringList lines = text.split(QLatin1Char('\n'));
        EXPECT_LT(label->height(), (lines.size() + 1) * metrics.lineSpacing())
            << text.toStdString();
        for (const QString& line : lines)
            EXPECT_GE(label->width(), metrics.horizontalAdvance(line)) << line.toStdString();
        EXPECT_LE(box.width(), box.screen()->availableGeometry().width());
    }
}

TEST(MessageBox, WrapsOnlyALineWiderThanTheScreen) {
    const QString wide = QStringLiteral("word ").repeated(400);
    ui::MessageBox box(ui::MessageIcon::Error, QStringLiteral("ERROR"), wide, nullptr);
    box.show();
    QApplication::processEvents();
    const auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    EXPECT_GT(label->height(), 2 * QFontMetrics(label->font()).lineSpacing());
    EXPECT_LE(box.width(), box.screen()->availableGeometry().width());
}

} // namespace
