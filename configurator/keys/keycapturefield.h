#pragma once
// The field that captures one key combination for a command. It shows the
// combination as the user types it and yields the Windows virtual key the
// layout in force would report for that physical key, with the SHIFT, CTRL
// and ALT flags; every other key state is ignored.

#include "configurator/keys/keynames.h"

#include <QLineEdit>

class QKeyEvent;

namespace keys {

struct KeyCombination {
    int virtualKey = 0; // 0: no key (nothing pressed, or modifiers alone)
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool operator==(const KeyCombination&) const = default;
};

// What the platform's native key data means.
enum class NativeKeys {
    None,    // nothing usable: fall back to the Qt key (offscreen, tests)
    Evdev,   // scan code = Linux input code + 8 (X11, Wayland)
    Windows, // native virtual key of the layout in force
};
NativeKeys nativeKeysOfPlatform(const QString& platformName);

// Virtual key of a key press, from the physical key where the platform names
// it. 0 for a bare modifier.
int virtualKeyOfEvent(const QKeyEvent& event, Layout layout, NativeKeys native);

class KeyCaptureField : public QLineEdit {
    Q_OBJECT
public:
    explicit KeyCaptureField(QWidget* parent = nullptr);

    // The combination as it stands: while modifiers are held without a key,
    // their flags with no key.
    KeyCombination combination() const { return combination_; }
    void clearCombination();

    void setNativeKeys(NativeKeys native) { native_ = native; }

Q_SIGNALS:
    void combinationChanged();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void display(const KeyCombination& combination, const QString& keyText, bool complete);

    KeyCombination combination_;
    bool complete_ = false; // a key was pressed: releasing the modifiers keeps it
    NativeKeys native_;
};

} // namespace keys
