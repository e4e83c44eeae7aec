#include "common/ui/messagebox.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStringList>

namespace ui {
namespace {
MessageRecorder* activeRecorder = nullptr; // test hook only

QMessageBox::Icon toQt(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}
} // namespace

MessageRecorder::MessageRecorder()
    : previous_(activeRecorder) {
    activeRecorder = this;
}

MessageRecorder::~MessageRecorder() {
    activeRecorder = previous_;
}

void showMessage(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon) {
    if (activeRecorder) {
        activeRecorder->messages_.push_back(Message{owner, text, caption, icon, {}});
        return;
    }
    MessageBox box(icon, caption, text, owner);
    box.exec();
}

bool askToProceed(QWidget* owner, const QString& text, const QString& caption,
                  const QString& proceed, const QString& cancel) {
    if (activeRecorder) {
        activeRecorder->messages_.push_back(
            Message{owner, text, caption, MessageIcon::Exclamation, {proceed, cancel}});
        return activeRecorder->proceed_;
    }
    QuestionBox box(caption, text, proceed, cancel, owner);
    box.exec();
    return box.proceeded();
}

QuestionBox::QuestionBox(const QString& caption, const QString& text, const QString& proceed,
                         const QString& cancel, QWidget* owner)
    : MessageBox(MessageIcon::Exclamation, caption, text, owner) {
    setStandardButtons(QMessageBox::NoButton);
    proceed_ = addButton(proceed, QMessageBox::AcceptRole);
    QPushButton* no = addButton(cancel, QMessageBox::RejectRole);
    setDefaultButton(no);
    setEscapeButton(no);
}

bool QuestionBox::proceeded() const {
    return clickedButton() == proceed_;
}

// Non-breaking blanks keep each line of the text whole. A line too wide for
// any screen keeps its blanks, where it may then be broken.
QString MessageBox::unwrapped(const QString& text) const {
    const QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen();
    const int room = where ? where->availableGeometry().width() - 100 : 0;
    QStringList lines = text.split(u'\n');
    for (QString& line : lines) {
        if (fontMetrics().horizontalAdvance(line) < room)
            line.replace(u' ', QChar::Nbsp);
    }
    return lines.join(u'\n');
}

MessageBox::MessageBox(MessageIcon icon, const QString& caption, const QString& text,
                       QWidget* owner)
    : QMessageBox(toQt(icon), caption, QString(), QMessageBox::Ok, owner) {
    // Plain text keeps the blanks that indent a line.
    setTextFormat(Qt::PlainText);
    setText(unwrapped(text));
}

} // namespace ui
