#include "configurator/loadsheet/loadsheetpdf.h"
#include "common/ui/shippedfonts.h"

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace loadsheet {

namespace {

// Page geometry in points (1/72 in) on A4 portrait.
constexpr int kResolution = 72;
constexpr int kLeft = 56;
constexpr int kTop = 56;
constexpr int kLabelWidth = 200;
constexpr int kValueWidth = 170;
constexpr int kLineHeight = 15;

void draw(const Sheet& sheet, QPainter& painter) {
    // One family on every platform, so the sheet reads the same everywhere.
    const auto font = [](int points, bool bold) {
        QFont font = ui::documentFont(points, bold);
        // No ligatures: "Take-off" stays six letters for a reader that copies it.
        font.setStyleStrategy(QFont::PreferNoShaping);
        return font;
    };
    const QFont title = font(16, true);
    const QFont heading = font(11, true);
    const QFont body = font(10, false);
    int y = kTop;
    painter.setFont(title);
    painter.drawText(kLeft, y, sheet.title);
    y += 20;
    painter.setFont(body);
    for (const QString& line : sheet.header) {
        painter.drawText(kLeft, y, line);
        y += kLineHeight;
    }
    for (const Section& section : sheet.sections) {
        y += 8;
        painter.setFont(heading);
        painter.drawText(kLeft, y, section.heading);
        painter.drawLine(kLeft, y + 4, kLeft + kLabelWidth + kValueWidth, y + 4);
        y += kLineHeight + 3;
        painter.setFont(body);
        for (const Row& row : section.rows) {
            painter.drawText(kLeft + 8, y, row.label);
            const QRect value(kLeft + kLabelWidth, y - kLineHeight + 3, kValueWidth, kLineHeight);
            painter.drawText(value, Qt::AlignRight | Qt::AlignBottom, row.value);
            y += kLineHeight;
        }
    }
    y += 8;
    for (const QString& note : sheet.notes) {
        painter.drawText(kLeft, y, note);
        y += kLineHeight;
    }
}

} // namespace

QString writePdf(const Sheet& sheet, const QString& hostPath) {
    QSaveFile file(hostPath);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(kResolution);
        pdf.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        pdf.setTitle(sheet.title);
        pdf.setCreator(QStringLiteral("Volaro configurator"));
        QPainter painter;
        if (!painter.begin(&pdf)) {
            file.cancelWriting();
            return QStringLiteral("the PDF could not be started");
        }
        draw(sheet, painter);
        painter.end(); // writes the file's end
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace loadsheet
