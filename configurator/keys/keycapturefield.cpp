#include "configurator/keys/keycapturefield.h"

#include "common/platform/windows1252.h"
#include "configurator/keys/physicalkeys.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace keys {
namespace {

bool isModifierKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_Mode_switch:
        return true;
    default:
        return false;
    }
}

bool isModifierVirtualKey(int virtualKey) {
    // SHIFT, CONTROL, MENU, the two Windows keys, and their left/right forms.
    return (virtualKey >= 0x10 && virtualKey <= 0x12) || virtualKey == 0x5B || virtualKey == 0x5C ||
           (virtualKey >= 0xA0 && virtualKey <= 0xA5);
}

KeyCombination flagsOf(Qt::KeyboardModifiers modifiers) {
    KeyCombination flags;
    flags.shift = modifiers.testFlag(Qt::ShiftModifier);
    flags.ctrl = modifiers.testFlag(Qt::ControlModifier);
    flags.alt = modifiers.testFlag(Qt::AltModifier);
    return flags;
}

// The modifier key of this event counted in (pressed) or out (released):
// platforms differ on whether the event's own modifiers include it.
Qt::KeyboardModifiers modifiersAfter(const QKeyEvent& event, bool pressed) {
    Qt::KeyboardModifiers modifiers = event.modifiers();
    Qt::KeyboardModifier own = Qt::NoModifier;
    if (event.key() == Qt::Key_Shift)
        own = Qt::ShiftModifier;
    else if (event.key() == Qt::Key_Control)
        own = Qt::ControlModifier;
    else if (event.key() == Qt::Key_Alt)
        own = Qt::AltModifier;
    modifiers.setFlag(own, pressed && own != Qt::NoModifier);
    return modifiers;
}

QString prefixOf(const KeyCombination& combination) {
    QString prefix;
    if (combination.shift)
        prefix += QStringLiteral("SHIFT + ");
    if (combination.ctrl)
        prefix += QStringLiteral("CTRL + ");
    if (combination.alt)
        prefix += QStringLiteral("ALT + ");
    return prefix;
}

} // namespace

NativeKeys nativeKeysOfPlatform(const QString& platformName) {
    if (platformName == QStringLiteral("xcb") || platformName.startsWith(QStringLiteral("wayland")))
        return NativeKeys::Evdev;
    if (platformName == QStringLiteral("windows"))
        return NativeKeys::Windows;
    return NativeKeys::None;
}

int virtualKeyOfEvent(const QKeyEvent& event, Layout layout, NativeKeys native) {
    if (isModifierKey(event.key()))
        return 0;
    int virtualKey = 0;
    if (native == NativeKeys::Windows) {
        virtualKey = static_cast<int>(event.nativeVirtualKey());
    } else if (native == NativeKeys::Evdev && event.nativeScanCode() > 8) {
        const int scanCode = scanCodeOfEvdev(static_cast<int>(event.nativeScanCode()) - 8);
        // The platform has applied Num Lock (and Shift) to the key it reports.
        const int key = event.key();
        const bool keypadDigits =
            (key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Period || key == Qt::Key_Comma;
        virtualKey = virtualKeyOfScanCode(scanCode, keypadDigits, layout);
    }
    if (virtualKey == 0)
        virtualKey =
            virtualKeyOfQtKey(event.key(), event.modifiers().testFlag(Qt::KeypadModifier), layout);
    return isModifierVirtualKey(virtualKey) ? 0 : virtualKey;
}

KeyCaptureField::KeyCaptureField(QWidget* parent)
    : QLineEdit(parent)
    , native_(nativeKeysOfPlatform(QGuiApplication::platformName())) {
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAccessibleName(QStringLiteral("Key"));
}

void KeyCaptureField::clearCombination() {
    display({}, QString(), false);
}

bool KeyCaptureField::event(QEvent* event) {
    // Shift+Tab is a combination like any other; Tab alone still leaves the
    // field, so the keyboard reaches OK and Cancel.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Backtab ||
            (key->key() == Qt::Key_Tab && key->modifiers().testFlag(Qt::ShiftModifier))) {
            keyPressEvent(key);
            return true;
        }
    }
    // Keys the dialog would take as shortcuts belong to the capture, except
    // Enter and Escape, which keep accepting and cancelling.
    if (event->type() == QEvent::ShortcutOverride) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Escape && key != Qt::Key_Return && key != Qt::Key_Enter) {
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void KeyCaptureField::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers plain =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) && !plain) {
        event->ignore(); // the dialog's OK and Cancel
        return;
    }
    if (key == Qt::Key_Backspace && !plain) {
        clearCombination();
        return;
    }

    const Layout layout = currentLayout();
    KeyCombination combination = flagsOf(modifiersAfter(*event, true));
    if (isModifierKey(key)) {
        if (!event->isAutoRepeat())
            display(combination, QString(), false);
        return;
    }
    if (key == Qt::Key_Backtab)
        combination.shift = true; // Qt's name for Shift+Tab
    combination.virtualKey = virtualKeyOfEvent(*event, layout, native_);
    // The name of the key code OK will store: a key outside the tables (the
    // space bar, Enter with a modifier, ...) shows "No key defined", as the
    // list of commands will.
    const QString keyText =
        platform::fromWindows1252(keyName(keyCodeFromVirtualKey(combination.virtualKey)));
    display(combination, keyText, true);
}

void KeyCaptureField::keyReleaseEvent(QKeyEvent* event) {
    if (complete_ || !isModifierKey(event->key()) || event->isAutoRepeat())
        return;
    // Modifiers alone: the field follows them and empties when all are up.
    const KeyCombination held = flagsOf(modifiersAfter(*event, false));
    display(held, QString(), false);
}

void KeyCaptureField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    deselect(); // a selected combination would look like editable text
    end(false);
}

void KeyCaptureField::focusOutEvent(QFocusEvent* event) {
    if (!complete_)
        clearCombination();
    QLineEdit::focusOutEvent(event);
}

void KeyCaptureField::display(const KeyCombination& combination, const QString& keyText,
                              bool complete) {
    combination_ = combination;
    complete_ = complete;
    setText(prefixOf(combination) + keyText);
    deselect(); // the caret stays at the end, as typing would leave it
    Q_EMIT combinationChanged();
}

} // namespace keys
