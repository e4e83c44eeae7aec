#include "common/ui/coloredit.h"

#include <QPalette>

CColorEdit::CColorEdit(QWidget* parent)
    : QLineEdit(parent) {
    backgroundColor_ = palette().color(QPalette::Base);
    setReadOnly(true);
    setAlignment(Qt::AlignCenter);
    // A click selects the text for copying; Tab skips the figures.
    setFocusPolicy(Qt::ClickFocus);
}

void CColorEdit::setTextColor(const QColor& color) {
    textColor_ = color;
    applyColors();
}

void CColorEdit::setBackgroundColor(const QColor& color) {
    backgroundColor_ = color;
    applyColors();
}

void CColorEdit::applyColors() {
    QPalette colors = palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colors.setColor(group, QPalette::Base, backgroundColor_);
        colors.setColor(group, QPalette::Window, backgroundColor_);
        colors.setColor(group, QPalette::Text, textColor_);
        colors.setColor(group, QPalette::WindowText, textColor_);
    }
    setPalette(colors);
    update();
}
