#pragma once
// A progress bar filled in one piece, in proportion to its value. A style
// may draw a progress bar in chunks: on a bar 74 pixels wide that shows
// nothing for the first fifth of the range and then jumps. The load a bar
// stands for must be read from it at a glance, at every scale and style.

#include <QColor>
#include <QProgressBar>

namespace ui {

class FillBar : public QProgressBar {
    Q_OBJECT
public:
    explicit FillBar(QWidget* parent = nullptr);

    void setColors(const QColor& background, const QColor& fill);
    QColor backgroundColor() const { return background_; }
    QColor fillColor() const { return fill_; }

    // Pixels of the inside (within the one-pixel border) filled at the
    // current value: the inside's width times the value's share of the range,
    // rounded; none below the range, all of it above.
    int filledWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor background_{Qt::white};
    QColor fill_;
};

} // namespace ui
