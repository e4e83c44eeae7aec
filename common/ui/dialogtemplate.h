#pragma once
// Windows declared as a dialog template: one table of controls, each row
// (id, kind, text, x, y, w, h) in dialog units, so that a window can be
// checked against its template at a glance.
//
//   constexpr ui::Control kControls[] = {
//       {1010, ui::Kind::GroupBox, "User Experience (Realism)", 7, 82, 211, 52},
//       {1007, ui::Kind::RadioButton, "Beginner", 19, 93, 44, 10, ui::GroupStart},
//       {1, ui::Kind::DefaultButton, "Ok", 322, 272, 50, 14},
//   };
//   constexpr ui::DialogTemplate kTemplate{"Configuration", 439, 293, kControls};
//   ui::TemplateDialog dialog(kTemplate, parent);   // template size, controls placed
//   dialog.control<QSlider>(1025)->setRange(0, 600);
//
// Every click of a button, radio button or check box reaches onCommand(id)
// and the command() signal, as the template's owner expects. The Escape key
// and the close box send command 2. By default command 1 ends the dialog
// with result 1 and command 2 with result 2; override onCommand() to change
// that. As in a Windows dialog, a radio group is one tab stop, entered at its
// checked button, and the arrow keys move through it and choose the button
// they reach. The controls lie on one content widget of the template's size,
// which scrolls when the screen is too small (screenfit.h).

#include <QDialog>
#include <QHash>
#include <memory>
#include <span>

class QButtonGroup;
class QScreen;
class QScrollArea;

namespace ui {

class ScreenFit;

inline constexpr int kNoId = -1; // a control the template gives no id

enum class Kind {
    PushButton,
    DefaultButton,   // push button triggered by Enter
    BitmapButton,    // push button that shows an image (setImage)
    RadioButton,     // automatic radio button
    RadioPushButton, // automatic radio button drawn as a push button (image or text)
    CheckBox,        // automatic check box
    GroupBox,        // frame with a caption, behind the controls it encloses
    Text,            // static text
    Bitmap,          // static image (setImage)
    Trackbar,        // horizontal slider without tick marks
    Edit,            // one-line edit field
    ListBox,
    DropDownList, // combo box without an edit field
    ProgressBar,  // smooth, filled in proportion (FillBar)
    Custom,       // placed by the owner: placeCustom(id, widget)
};

// Style bits of a row.
enum Style : unsigned {
    NoStyle = 0,
    GroupStart = 1u << 0, // radio button that starts a new exclusive group
    Centered = 1u << 1,   // text centred (Text, Edit)
    Right = 1u << 2,      // text right-aligned (Text, Edit)
    Border = 1u << 3,     // sunken frame (Text, Bitmap)
    Disabled = 1u << 4,
    ReadOnly = 1u << 5, // Edit
    Hidden = 1u << 6,
};

struct Control {
    int id; // kNoId when none
    Kind kind;
    const char* text; // as in the template: "&&" is a literal '&'
    int x, y, w, h;   // dialog units
    unsigned style = NoStyle;
};

struct DialogTemplate {
    const char* caption;
    int width, height; // dialog units
    std::span<const Control> controls;
};

class TemplateDialog : public QDialog {
    Q_OBJECT
public:
    explicit TemplateDialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr);
    ~TemplateDialog() override;

    // The control with `id`, or nullptr (also for a Custom row not placed yet).
    QWidget* control(int id) const;
    template <class T> T* control(int id) const { return qobject_cast<T*>(control(id)); }

    // Puts `widget` (now owned by the dialog) where the Custom row `id` says.
    void placeCustom(int id, QWidget* widget);
    // Image of a BitmapButton, RadioPushButton or Bitmap row.
    void setImage(int id, const QPixmap& image);
    // Whether a radio button or check box is checked; set it without a command.
    bool isChecked(int id) const;
    void setChecked(int id, bool checked);
    // Sends command `id` as a click would (tests, keyboard shortcuts).
    void sendCommand(int id) { onCommand(id); }

    // Pixel rectangle of template units on this dialog's screen.
    QRect unitsToPixels(int x, int y, int w, int h) const;

    // Escape and the close box: command 2.
    void reject() override;
    // Showing gives the window the frame its size allows (ScreenFit::adjustFrame).
    void setVisible(bool visible) override;

    // A template larger than its screen's available area opens inside it,
    // its content scrolling and its bottom row of push buttons always in
    // view; otherwise the window has the template's fixed size.
    bool isScrolling() const;
    QScrollArea* scrollArea() const;
    // Template size whatever the screen, e.g. for a picture of the window.
    void keepTemplateSize();

Q_SIGNALS:
    void command(int id);

protected:
    virtual void onCommand(int id);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    const Control* row(int id) const;
    void build();
    void updateTabStop(QButtonGroup* group);
    std::unique_ptr<ScreenFit> makeScreenFit();
    void fitToScreen(const QScreen* screen);

    DialogTemplate template_;
    double scale_ = 1.0;
    QWidget* content_ = nullptr; // every control, at template positions
    QHash<int, QWidget*> controls_;
    std::unique_ptr<ScreenFit> fit_;
    bool fitsScreen_ = true;
};

// The pixel size of the 8-point dialog font the templates are measured in.
inline constexpr int kDialogFontPixels = 11;

} // namespace ui
