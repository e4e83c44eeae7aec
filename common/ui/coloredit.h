#pragma once
// A read-only text field that paints itself in its own colours: used for the
// load manager's figures and the fuel planner's results, so related numbers
// share a colour.

#include <QColor>
#include <QLineEdit>

class CColorEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CColorEdit(QWidget* parent = nullptr);

    // Both repaint the field at once.
    void setTextColor(const QColor& color);
    void setBackgroundColor(const QColor& color);

    QColor textColor() const { return textColor_; }
    QColor backgroundColor() const { return backgroundColor_; }

private:
    void applyColors();

    QColor textColor_ = Qt::black;
    QColor backgroundColor_;
};
