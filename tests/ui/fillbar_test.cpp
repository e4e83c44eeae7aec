#include "common/ui/fillbar.h"

#include <QApplication>
#include <QImage>
#include <QStyle>
#include <QStyleFactory>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Pixels of `colour` along the bar's middle row, as drawn.
int filledPixels(ui::FillBar& bar, const QColor& colour) {
    const QImage image = bar.grab().toImage();
    int count = 0;
    for (int x = 0; x < image.width(); ++x)
        count += image.pixelColor(x, image.height() / 2) == colour ? 1 : 0;
    return count;
}

// The Windows style draws a progress bar in chunks: a business bar 76 px
// wide showed nothing up to 19 of 30 passengers.
TEST(FillBar, FillsInProportionUnderEveryStyle) {
    const QColor fill(255, 200, 130);
    const struct {
        int width, maximum, value, expected; // pixels filled of width - 2
    } cases[] = {
        {76, 30, 0, 0},    {76, 30, 1, 2},  {76, 30, 10, 25},  {76, 30, 19, 47},
        {76, 30, 30, 74},  {152, 30, 1, 5}, {152, 30, 15, 75}, {76, 100, 49, 36},
        {76, 100, 67, 50}, {76, 0, 0, 0},   {20, 30, 15, 9},
    };
    for (const QString& styleName : {QStringLiteral("Windows"), QStringLiteral("Fusion")}) {
        const std::unique_ptr<QStyle> style(QStyleFactory::create(styleName));
        ASSERT_NE(style, nullptr) << styleName.toStdString();
        for (const auto& c : cases) {
            ui::FillBar bar;
            bar.setStyle(style.get());
            bar.setColors(Qt::white, fill);
            bar.resize(c.width, 25);
            bar.setRange(0, c.maximum);
            bar.setValue(c.value);
            EXPECT_EQ(bar.filledWidth(), c.expected)
                << styleName.toStdString() << " " << c.width << " " << c.value;
            EXPECT_EQ(filledPixels(bar, fill), c.expected)
                << styleName.toStdString() << " " << c.width << " " << c.value;
            EXPECT_EQ(filledPixels(bar, Qt::white), c.width - 2 - c.expected);
        }
    }
}

} // namespace
