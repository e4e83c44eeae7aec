#include "common/ui/dialogtemplate.h"

#include "common/platform/windows1252.h"
#include "common/ui/dialogunits.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPen>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>

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
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(kDialogFontPixels * scale_ + 0.5));
    setFont(font);
    setFixedSize(dialogSize(template_.width, template_.height, scale_));
    build();
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
            auto* button = new QPushButton(text, this);
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
                button = new QRadioButton(text, this);
            } else {
                auto* push = new QPushButton(text, this);
                push->setAutoDefault(false);
                button = push;
            }
            button->setCheckable(true);
            if (!radioGroup || (row.style & GroupStart)) {
                radioGroup = new QButtonGroup(this);
                radioGroup->setExclusive(true);
            }
            radioGroup->addButton(button);
            widget = button;
            break;
        }
        case Kind::CheckBox:
            widget = new QCheckBox(text, this);
            break;
        case Kind::GroupBox: {
            auto* box = new QGroupBox(staticText(row.text), this);
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
                new QLabel(row.kind == Kind::Text ? staticText(row.text) : QString(), this);
            label->setAlignment(row.kind == Kind::Bitmap ? Qt::AlignLeft | Qt::AlignTop
                                                         : textAlignment(row.style));
            if (row.style & Border)
                label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            widget = label;
            break;
        }
        case Kind::Trackbar:
            widget = new QSlider(Qt::Horizontal, this);
            break;
        case Kind::Edit: {
            auto* edit = new QLineEdit(text, this);
            edit->setAlignment(row.style & (Centered | Right) ? textAlignment(row.style)
                                                              : Qt::AlignLeft | Qt::AlignVCenter);
            edit->setReadOnly(row.style & ReadOnly);
            widget = edit;
            break;
        }
        case Kind::ListBox:
            widget = new QListWidget(this);
            break;
        case Kind::DropDownList:
            widget = new QComboBox(this);
            break;
        case Kind::ProgressBar: {
            auto* bar = new QProgressBar(this);
            bar->setTextVisible(false);
            widget = bar;
            break;
        }
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
    widget->setParent(this);
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

void TemplateDialog::onCommand(int id) {
    Q_EMIT command(id);
    if (id == 1 || id == 2)
        done(id);
}

void TemplateDialog::reject() {
    onCommand(2);
}

} // namespace ui
