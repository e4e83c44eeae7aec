#pragma once
// The one way every window tells the user something: a modal box with an
// owner, a text, a caption, an icon and an OK button. Tests install a
// MessageRecorder so that no test ever blocks on a real box.

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <vector>

namespace ui {

enum class MessageIcon { Information, Exclamation, Error };

struct Message {
    QWidget* owner = nullptr;
    QString text;
    QString caption;
    MessageIcon icon = MessageIcon::Information;
    QStringList choices; // the two answers of a question, empty for a message
};

void showMessage(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon);

// A question with two answers: true for `proceed`, false for `cancel` (also
// Escape and closing the box, so that no keystroke chooses by accident).
bool askToProceed(QWidget* owner, const QString& text, const QString& caption,
                  const QString& proceed, const QString& cancel);

// The box showMessage shows. Qt wraps a line wider than half the screen; our
// texts are laid out line by line, so a line is kept whole (its blanks shown
// as non-breaking ones) unless it is wider than the screen itself.
class MessageBox : public QMessageBox {
    Q_OBJECT
public:
    MessageBox(MessageIcon icon, const QString& caption, const QString& text, QWidget* owner);

private:
    QString unwrapped(const QString& text) const;
};

// The box askToProceed shows: `cancel` is the default button and Escape's.
class QuestionBox : public MessageBox {
    Q_OBJECT
public:
    QuestionBox(const QString& caption, const QString& text, const QString& proceed,
                const QString& cancel, QWidget* owner);

    // After exec(): whether `proceed` was chosen.
    bool proceeded() const;

private:
    QAbstractButton* proceed_ = nullptr;
};

// While one exists, messages are recorded instead of shown (innermost wins).
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const std::vector<Message>& messages() const { return messages_; }
    void clear() { messages_.clear(); }
    // How questions are answered (cancel unless told otherwise).
    void answerQuestionsWith(bool proceed) { proceed_ = proceed; }

private:
    friend void showMessage(QWidget*, const QString&, const QString&, MessageIcon);
    friend bool askToProceed(QWidget*, const QString&, const QString&, const QString&,
                             const QString&);
    std::vector<Message> messages_;
    bool proceed_ = false;
    MessageRecorder* previous_ = nullptr;
};

} // namespace ui
