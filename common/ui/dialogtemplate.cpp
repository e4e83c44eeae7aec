#include "common/ui/dialogtemplate.h"

#include "common/platform/windows1252.h"
#include "common/ui/dialogunits.h"
#include "common/ui/fillbar.h"
#include "common/ui/screenfit.h"
#include "common/ui/shippedfonts.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPen>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QWindow>

namespace ui {
namespace {

QString templateText(const char* text) {
    return text ? platform::fromWindows1252(std::string(text)) : QString();
}

// Static text shows "&&" as '&' and drops a lone mnemonic '&'.
QString staticText(const char* text) {
    const QString raw = templateText(text);
    QString shown;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == QLatin1Char('&')) {
            if (i + 1 < raw.size() && raw[i + 1] == QLatin1Char('&'))
                shown += QLatin1Char('&');
            ++i;
            if (i < raw.size() && raw[i] != QLatin1Char('&'))
                shown += raw[i];
            continue;
        }
        shown += raw[i];
    }
    return shown;
}

Qt::Alignment textAlignment(unsigned style) {
    if (style & Centered)
        return Qt::AlignCenter;
    if (style & Right)
        return Qt::AlignRight | Qt::AlignVCenter;
    return Qt::AlignLeft | Qt::AlignTop;
}

// An image as a pressed button shows it: moved down and right, a little
// darker, with a shadow inside its top and left edges and a light bottom and
// right edge, as a bevel pushed in.
QPixmap pushedInImage(const QPixmap& image) {
    QPixmap pushed(image.size());
    pushed.setDevicePixelRatio(image.devicePixelRatio());
    pushed.fill(Qt::black);
    QPainter painter(&pushed);
    painter.setOpacity(0.8);
    painter.drawPixmap(QPointF(2, 2), image);
    painter.setOpacity(1.0);
    const QSizeF size = image.deviceIndependentSize();
    const int shadows[] = {170, 110, 55};
    for (int i = 0; i < 3; ++i) {
        painter.setPen(QPen(QColor(0, 0, 0, shadows[i]), 1));
        painter.drawLine(QPointF(i, i + 0.5), QPointF(size.width(), i + 0.5));
        painter.drawLine(QPointF(i + 0.5, i), QPointF(i + 0.5, size.height()));
    }
    painter.setPen(QPen(QColor(255, 255, 255, 110), 1));
    painter.drawLine(QPointF(0, size.height() - 0.5), QPointF(size.width(), size.height() - 0.5));
    painter.drawLine(QPointF(size.width() - 0.5, 0), QPointF(size.width() - 0.5, size.height()));
    return pushed;
}

double screenScale() {
    // Qt's own high-dpi scaling covers device pixels; only a larger logical
    // font dpi than 96 enlarges the dialog units.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 1.0;
    return std::max(1.0, screen->logicalDotsPerInchX() / 96.0);
}

} // namespace

TemplateDialog::TemplateDialog(const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent)
    , template_(dialogTemplate)
    , scale_(screenScale()) {
    setWindowTitle(templateText(template_.caption));
    QFont font(QString::fromLatin1(kShippedFamily));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(kDialogFontPixels * scale_ + 0.5));
    setFont(font);
    content_ = new QWidget(this);
    content_->setFixedSize(dialogSize(template_.width, template_.height, scale_));
    setFixedSize(content_->size());
    build();
    fit_ = makeScreenFit();
    const QWidget* owner = parentWidget();
    fitToScreen(owner ? owner->screen() : QGuiApplication::primaryScreen());
}

TemplateDialog::~TemplateDialog() = default;

// The bottom row of push buttons stays in view while the rest scrolls.
std::unique_ptr<ScreenFit> TemplateDialog::makeScreenFit() {
    const auto isPushButton = [](const Control& row) {
        return row.kind == Kind::PushButton || row.kind == Kind::DefaultButton;
    };
    const Control* lowest = nullptr;
    for (const Control& row : template_.controls) {
        if (isPushButton(row) && (!lowest || row.y > lowest->y))
            lowest = &row;
    }
    QList<QWidget*> buttons;
    int top = template_.height;
    if (lowest) {
        for (const Control& row : template_.controls) {
            const bool sameRow = row.y < lowest->y + lowest->h && lowest->y < row.y + row.h;
            if (!isPushButton(row) || !sameRow || row.id == kNoId)
                continue;
            buttons.push_back(control(row.id));
            top = std::min(top, row.y);
        }
    }
    constexpr int kStripMargin = 5; // dialog units above the buttons
    const int stripTop = unitsToPixels(0, std::max(0, top - kStripMargin), 0, 0).y();
    return std::make_unique<ScreenFit>(*this, *content_, buttons, stripTop);
}

void TemplateDialog::fitToScreen(const QScreen* screen) {
    if (!fitsScreen_ || !screen)
        return;
    fit_->fitTo(screen->availableGeometry());
}

void TemplateDialog::showEvent(QShowEvent* event) {
    // The screen the window opens on may not be the one guessed at creation.
    const QWindow* handle = windowHandle();
    const QScreen* screen = handle ? handle->screen() : nullptr;
    fitToScreen(screen);
    QDialog::showEvent(event); // places the window over its owner
    if (fitsScreen_ && screen && !event->spontaneous())
        fit_->keepInside(screen->availableGeometry());
}

void TemplateDialog::setVisible(bool visible) {
    if (visible && !isVisible())
        fit_->adjustFrame();
    QDialog::setVisible(visible);
}

bool TemplateDialog::isScrolling() const {
    return fit_->isScrolling();
}

QScrollArea* TemplateDialog::scrollArea() const {
    return fit_->scrollArea();
}

void TemplateDialog::keepTemplateSize() {
    fitsScreen_ = false;
    fit_->keepFixedSize();
}

QRect TemplateDialog::unitsToPixels(int x, int y, int w, int h) const {
    return dialogRect(x, y, w, h, scale_);
}

void TemplateDialog::build() {
    QButtonGroup* radioGroup = nullptr;
    for (const Control& row : template_.controls) {
        QWidget* widget = nullptr;
        const QString text = templateText(row.text);
        switch (row.kind) {
        case Kind::PushButton:
        case Kind::DefaultButton:
        case Kind::BitmapButton: {
            auto* button = new QPushButton(text, content_);
            // Enter presses the focused button, else the default one.
            button->setAutoDefault(true);
            if (row.kind == Kind::DefaultButton)
                button->setDefault(true);
            widget = button;
            break;
        }
        case Kind::RadioButton:
        case Kind::RadioPushButton: {
            QAbstractButton* button = nullptr;
            if (row.kind == Kind::RadioButton) {
                button = new QRadioButton(text, content_);
            } else {
                auto* push = new QPushButton(text, content_);
                push->setAutoDefault(false);
                button = push;
            }
            button->setCheckable(true);
            if (!radioGroup || (row.style & GroupStart)) {
                radioGroup = new QButtonGroup(this);
                radioGroup->setExclusive(true);
                QButtonGroup* group = radioGroup;
                connect(group, &QButtonGroup::buttonToggled, this,
                        [this, group] { updateTabStop(group); });
            }
            radioGroup->addButton(button);
            button->installEventFilter(this); // the arrow keys
            widget = button;
            break;
        }
        case Kind::CheckBox:
            widget = new QCheckBox(text, content_);
            break;
        case Kind::GroupBox: {
            auto* box = new QGroupBox(staticText(row.text), content_);
            // Caption on the frame line, as the template's coordinates assume.
            box->setStyleSheet(QStringLiteral(
                "QGroupBox { border: 1px solid palette(mid); border-radius: 3px;"
                " margin-top: 0.55em; }"
                "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
            widget = box;
            break;
        }
        case Kind::Text:
        case Kind::Bitmap: {
            auto* label =
                new QLabel(row.kind == Kind::Text ? staticText(row.text) : QString(), content_);
            label->setAlignment(row.kind == Kind::Bitmap ? Qt::AlignLeft | Qt::AlignTop
                                                         : textAlignment(row.style));
            if (row.style & Border)
                label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            widget = label;
            break;
        }
        case Kind::Trackbar:
            widget = new QSlider(Qt::Horizontal, content_);
            break;
        case Kind::Edit: {
            auto* edit = new QLineEdit(text, content_);
            edit->setAlignment(row.style & (Centered | Right) ? textAlignment(row.style)
                                                              : Qt::AlignLeft | Qt::AlignVCenter);
            edit->setReadOnly(row.style & ReadOnly);
            widget = edit;
            break;
        }
        case Kind::ListBox:
            widget = new QListWidget(content_);
            break;
        case Kind::DropDownList: {
            auto* list = new QComboBox(content_);
            // A list that drops below the field, as many rows high as the
            // owner allows, instead of a menu that may cover the screen.
            list->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
            widget = list;
            break;
        }
        case Kind::ProgressBar:
            widget = new FillBar(content_);
            break;
        case Kind::Custom:
            break;
        }
        if (!widget)
            continue;
        widget->setGeometry(unitsToPixels(row.x, row.y, row.w, row.h));
        // Image buttons lose their text; keep it for screen readers.
        if (row.text && *row.text)
            widget->setAccessibleName(staticText(row.text));
        if (row.style & Disabled)
            widget->setEnabled(false);
        if (row.style & Hidden)
            widget->hide();
        if (row.kind == Kind::GroupBox)
            widget->lower(); // behind the controls it frames
        if (row.id != kNoId) {
            widget->setObjectName(QStringLiteral("id%1").arg(row.id));
            controls_.insert(row.id, widget);
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                const int id = row.id;
                connect(button, &QAbstractButton::clicked, this, [this, id] { onCommand(id); });
            }
        }
    }
    for (QButtonGroup* group : findChildren<QButtonGroup*>(Qt::FindDirectChildrenOnly))
        updateTabStop(group);
}

// As in a Windows dialog, a radio group is one tab stop, and Tab lands on
// its checked button (the first one while none is checked). Qt moves the stop
// to whichever button takes the focus; this keeps it on the checked one too.
void TemplateDialog::updateTabStop(QButtonGroup* group) {
    const QList<QAbstractButton*> buttons = group->buttons();
    if (buttons.isEmpty())
        return;
    QAbstractButton* checked = group->checkedButton();
    QAbstractButton* stop = nullptr;
    if (checked && checked->isEnabled())
        stop = checked;
    for (QAbstractButton* button : buttons) {
        if (!stop && button->isEnabled())
            stop = button;
    }
    if (!stop)
        stop = checked ? checked : buttons.first();
    for (QAbstractButton* button : buttons) {
        const Qt::FocusPolicy policy = button->focusPolicy();
        button->setFocusPolicy(button == stop ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                              : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

const Control* TemplateDialog::row(int id) const {
    for (const Control& row : template_.controls) {
        if (row.id == id)
            return &row;
    }
    return nullptr;
}

QWidget* TemplateDialog::control(int id) const {
    return controls_.value(id, nullptr);
}

void TemplateDialog::placeCustom(int id, QWidget* widget) {
    const Control* entry = row(id);
    if (!entry || !widget)
        return;
    widget->setParent(content_);
    widget->setGeometry(unitsToPixels(entry->x, entry->y, entry->w, entry->h));
    widget->setObjectName(QStringLiteral("id%1").arg(id));
    controls_.insert(id, widget);
    widget->show();
}

void TemplateDialog::setImage(int id, const QPixmap& image) {
    QWidget* widget = control(id);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setPixmap(image);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(QString());
        QIcon icon(image);
        // The image covers the whole face of the button, so the style's own
        // checked look hardly shows: the chosen one of a radio group shows its
        // image pushed in instead.
        if (button->isCheckable()) {
            const QPixmap pushed = pushedInImage(image);
            icon.addPixmap(pushed, QIcon::Normal, QIcon::On);
            icon.addPixmap(pushed, QIcon::Active, QIcon::On);
        }
        button->setIcon(icon);
        button->setIconSize(image.deviceIndependentSize().toSize());
    }
}

bool TemplateDialog::isChecked(int id) const {
    const auto* button = control<QAbstractButton>(id);
    return button && button->isChecked();
}

void TemplateDialog::setChecked(int id, bool checked) {
    auto* button = control<QAbstractButton>(id);
    if (!button)
        return;
    if (checked || !button->group()) {
        button->setChecked(checked);
        return;
    }
    // An exclusive group cannot uncheck its last checked button directly.
    QButtonGroup* group = button->group();
    group->setExclusive(false);
    button->setChecked(false);
    group->setExclusive(true);
}

// Qt's arrow keys only move the focus frame unless the focused button is
// already checked, and pick the nearest button on screen. A dialog's arrows
// go to the next or previous enabled button of the group, in template order
// and round at its ends, and click it.
bool TemplateDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* button = qobject_cast<QAbstractButton*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    int step = 0;
    if (key->key() == Qt::Key_Down || key->key() == Qt::Key_Right)
        step = 1;
    else if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Left)
        step = -1;
    if (!button || !button->group() || step == 0 || modifiers != Qt::NoModifier)
        return QDialog::eventFilter(watched, event);

    const QList<QAbstractButton*> buttons = button->group()->buttons();
    const qsizetype count = buttons.size();
    const qsizetype from = buttons.indexOf(button);
    for (qsizetype i = 1; i < count; ++i) {
        QAbstractButton* next = buttons[(from + step * i + count * i) % count];
        if (!next->isEnabled() || next->isHidden())
            continue;
        next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        next->click();
        break;
    }
    return true;
}

void TemplateDialog::onCommand(int id) {
    Q_EMIT command(id);
    if (id == 1 || id == 2)
        done(id);
}

void TemplateDialog::reject() {
    onCommand(2);
}

} // namespace ui
