#include "common/ui/fillbar.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace ui {
namespace {
constexpr int kBorder = 1;
const QColor kBorderColor{0x5a, 0x6a, 0x7e};
} // namespace

FillBar::FillBar(QWidget* parent)
    : QProgressBar(parent)
    , fill_(palette().color(QPalette::Highlight)) {
    setTextVisible(false);
}

void FillBar::setColors(const QColor& background, const QColor& fill) {
    background_ = background;
    fill_ = fill;
    update();
}

int FillBar::filledWidth() const {
    const int inside = std::max(0, width() - 2 * kBorder);
    const double range = static_cast<double>(maximum()) - minimum();
    if (!(range > 0) || value() < minimum())
        return 0;
    const double share = (static_cast<double>(value()) - minimum()) / range;
    return std::clamp(static_cast<int>(std::lround(inside * share)), 0, inside);
}

void FillBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect inside = rect().marginsRemoved(QMargins(kBorder, kBorder, kBorder, kBorder));
    painter.fillRect(rect(), kBorderColor);
    painter.fillRect(inside, background_);
    painter.fillRect(QRect(inside.topLeft(), QSize(filledWidth(), inside.height())), fill_);
}

} // namespace ui
