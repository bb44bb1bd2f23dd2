#include "LevelToolWindow.h"

#include <algorithm>
#include <optional>
#include <utility>

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include "ToolWidgets.h"
#include "presentation/PictureWords.h"

namespace daz {
namespace tools {

Field TextField(Role role, const toolwindow::Rect& rect, const QString& name, QString& text, int maxLength)
{
    return {.role = role, .kind = Kind::Text, .rect = rect, .name = name, .maxLength = maxLength, .text = &text};
}

Field ChosenField(Role role, const toolwindow::Rect& rect, const QString& name, QString& text)
{
    return {.role = role, .kind = Kind::ChosenText, .rect = rect, .name = name, .text = &text};
}

Field OpenButton(Role role, const toolwindow::Rect& rect, const QString& name, std::function<void()> choose)
{
    return {.role = role, .kind = Kind::OpenButton, .rect = rect, .name = name, .choose = std::move(choose)};
}

Field NamesField(const toolwindow::Rect& rect, const QString& name, std::function<void()> choose)
{
    return {
        .role = Role::NamesButton, .kind = Kind::NamesButton, .rect = rect, .name = name, .choose = std::move(choose)};
}

Field SwatchField(const toolwindow::Rect& rect, std::int32_t& colour, std::function<void()> choose)
{
    return {.role = Role::Colour,
            .kind = Kind::Swatch,
            .rect = rect,
            .name = QCoreApplication::translate("daz::LevelToolWindow", "背景颜色"),
            .colour = &colour,
            .choose = std::move(choose)};
}

Field EffectField(const toolwindow::Rect& rect, int& effect)
{
    return {.role = Role::Effect,
            .kind = Kind::EffectList,
            .rect = rect,
            .name = QCoreApplication::translate("daz::LevelToolWindow", "飘动效果"),
            .effect = &effect};
}

Field LevelListField(const toolwindow::Rect& rect)
{
    return {.role = Role::LevelList,
            .kind = Kind::LevelList,
            .rect = rect,
            .name = QCoreApplication::translate("daz::LevelToolWindow", "选择关卡")};
}

Field OkField(const toolwindow::Rect& rect)
{
    return {.role = Role::Ok,
            .kind = Kind::OkButton,
            .rect = rect,
            .name = QCoreApplication::translate("daz::LevelToolWindow", "确定")};
}

Field EscField(const toolwindow::Rect& rect)
{
    return {.role = Role::Esc,
            .kind = Kind::EscButton,
            .rect = rect,
            .name = QCoreApplication::translate("daz::LevelToolWindow", "关闭")};
}

Field Captioned(Field field, const QString& caption)
{
    field.caption = caption;
    return field;
}

namespace {

// The words over the windows' picture, as the picture's design has them.
const WordStyle kHeadingStyle{.pixels = 21,
                              .bold = true,
                              .fill = Qt::white,
                              .outline = QColor(10, 70, 58, 200),
                              .outlineWidth = 1.6,
                              .align = Qt::AlignLeft | Qt::AlignVCenter};
const WordStyle kSubtitleStyle{
    .pixels = 12, .fill = QColor(0xe4, 0xff, 0xf7), .align = Qt::AlignLeft | Qt::AlignVCenter};
const WordStyle kCaptionStyle{
    .pixels = 13, .bold = true, .fill = QColor(0x33, 0x40, 0x4f), .align = Qt::AlignRight | Qt::AlignVCenter};
const WordStyle kNoteStyle{.pixels = 11, .fill = QColor(0x7a, 0x87, 0x96), .align = Qt::AlignLeft | Qt::AlignVCenter};

// The picture of a picture button's kind: its rest picture picture +
// ".png" and its hover picture picture + "-hover.png", with their words.
QString ButtonPicture(Kind kind)
{
    switch (kind) {
    case Kind::OkButton: return QStringLiteral("ok");
    case Kind::EscButton: return QStringLiteral("esc");
    case Kind::NamesButton: return QStringLiteral("names");
    default: return QStringLiteral("open");
    }
}

QPixmap WordedPicture(const QString& name)
{
    // 图案名称 wears 关闭's plain picture under words of its own.
    const QString picture = name.startsWith(QLatin1String("names")) ? QString(name).replace(0, 5, QStringLiteral("esc"))
                                                                    : name;
    return WithWords(name, ToolPicture(picture));
}

PictureButton* MakePictureButton(QWidget* parent, Kind kind)
{
    const QString picture = ButtonPicture(kind);
    return new PictureButton(WordedPicture(picture + QStringLiteral(".png")),
                             WordedPicture(picture + QStringLiteral("-hover.png")), parent);
}

// Whether a field has a caption at its left: all but the buttons.
bool HasCaption(Kind kind)
{
    return kind != Kind::OpenButton && kind != Kind::NamesButton && kind != Kind::OkButton && kind != Kind::EscButton;
}

QWidget* MakeWidget(QWidget* parent, const Field& field)
{
    switch (field.kind) {
    case Kind::Text:
    case Kind::ChosenText: {
        auto* line = new QLineEdit(parent);
        if (field.maxLength > 0) {
            line->setMaxLength(field.maxLength);
        }
        line->setReadOnly(field.kind == Kind::ChosenText);
        return line;
    }
    case Kind::LevelList: return new QComboBox(parent);
    case Kind::EffectList: {
        auto* list = new QComboBox(parent);
        list->addItems(ParticleEffectNames());
        return list;
    }
    case Kind::Swatch: return new ColourSwatch(parent);
    case Kind::OpenButton:
    case Kind::NamesButton:
    case Kind::OkButton:
    case Kind::EscButton: return MakePictureButton(parent, field.kind);
    }
    return nullptr;
}

// The field a refused entry sends the caret to.
std::optional<Role> RoleOf(ToolField field)
{
    switch (field) {
    case ToolField::LevelName: return Role::LevelName;
    case ToolField::SourceFolder: return Role::SourceFolder;
    case ToolField::PhotoSum: return Role::PhotoSum;
    case ToolField::MaxX: return Role::MaxX;
    case ToolField::MaxY: return Role::MaxY;
    case ToolField::Background: return Role::Background;
    case ToolField::Music: return Role::Music;
    case ToolField::Maker: return Role::Maker;
    case ToolField::LevelList: return Role::LevelList;
    case ToolField::None: break;
    }
    return std::nullopt;
}

} // namespace
} // namespace tools

using tools::Kind;
using tools::Role;

LevelToolWindow::LevelToolWindow(QWidget* parent) : QDialog(parent) {}

void LevelToolWindow::Build(tools::WindowTable table)
{
    setFixedSize(table.width, table.height);
    setMouseTracking(true);
    background_ = tools::ToolPicture(table.background);

    const auto place = [](QWidget* widget, const toolwindow::Rect& r) {
        widget->setGeometry(r.x, r.y, r.width, r.height);
    };
    heading_ = new WordsLabel(tools::kHeadingStyle, this);
    heading_->setObjectName(QStringLiteral("heading"));
    // Room for the outline around the letters.
    constexpr int kRing = 3;
    const toolwindow::Rect title = toolwindow::kTitle;
    place(heading_, {title.x - kRing, title.y - kRing, title.width + 2 * kRing, title.height + 2 * kRing});
    heading_->setContentsMargins(kRing, kRing, kRing, kRing);
    subtitle_ = new WordsLabel(tools::kSubtitleStyle, this);
    subtitle_->setObjectName(QStringLiteral("subtitle"));
    place(subtitle_, toolwindow::kSubtitle);
    for (const tools::Note& note : table.notes) {
        auto* label = new WordsLabel(tools::kNoteStyle, this);
        label->setObjectName(QStringLiteral("note"));
        place(label, note.rect);
        notes_.push_back(label);
    }

    QWidget* previous = nullptr;
    for (const tools::Field& field : table.fields) {
        QWidget* widget = tools::MakeWidget(this, field);
        place(widget, field.rect);
        if (previous) {
            setTabOrder(previous, widget);
        }
        previous = widget;
        fields_.push_back({field, widget, nullptr});
        Connect(fields_.back());
    }
    // Each caption reaches left to the field before it on its row.
    for (Placed& placed : fields_) {
        if (tools::HasCaption(placed.field.kind)) {
            placed.caption = new WordsLabel(tools::kCaptionStyle, this);
            placed.caption->setObjectName(QStringLiteral("caption"));
            placed.caption->setGeometry(CaptionRect(placed.field.rect));
            placed.caption->setBuddy(placed.widget);
        }
    }
    ShowWords(table);
}

QRect LevelToolWindow::CaptionRect(const toolwindow::Rect& field) const
{
    constexpr int kMargin = 8;
    int left = kMargin;
    for (const Placed& placed : fields_) {
        const toolwindow::Rect& other = placed.field.rect;
        const bool sameRow = other.y < field.y + field.height && field.y < other.y + other.height;
        if (sameRow && other.x + other.width <= field.x) {
            left = std::max(left, other.x + other.width + kMargin);
        }
    }
    // As high as the field, with a little room for the letters' ascent.
    return {left, field.y - 2, field.x - toolwindow::kCaptionGap - left, field.height + 4};
}

void LevelToolWindow::ShowWords(const tools::WindowTable& table)
{
    setWindowTitle(table.title);
    heading_->SetWords(table.heading);
    subtitle_->SetWords(table.subtitle);
    for (std::size_t i = 0; i < notes_.size() && i < table.notes.size(); ++i) {
        notes_[i]->SetWords(table.notes[i].text);
    }
    for (std::size_t i = 0; i < fields_.size() && i < table.fields.size(); ++i) {
        const tools::Field& field = table.fields[i];
        QWidget* widget = fields_[i].widget;
        widget->setAccessibleName(field.name);
        if (qobject_cast<tools::PictureButton*>(widget) || qobject_cast<tools::ColourSwatch*>(widget)) {
            widget->setToolTip(field.name);
        }
        if (auto* button = qobject_cast<tools::PictureButton*>(widget)) {
            const QString picture = tools::ButtonPicture(field.kind);
            button->SetPictures(tools::WordedPicture(picture + QStringLiteral(".png")),
                                tools::WordedPicture(picture + QStringLiteral("-hover.png")));
        }
        if (field.kind == Kind::EffectList) {
            auto* list = static_cast<QComboBox*>(widget);
            const QStringList effects = ParticleEffectNames();
            for (int item = 0; item < list->count() && item < effects.size(); ++item) {
                list->setItemText(item, effects[item]);
            }
        }
        if (WordsLabel* caption = fields_[i].caption) {
            caption->SetWords(field.caption.isEmpty() ? field.name : field.caption);
        }
    }
}

void LevelToolWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && !fields_.empty()) {
        ShowWords(Table());
    }
    QDialog::changeEvent(event);
}

void LevelToolWindow::Connect(const Placed& placed)
{
    const auto choose = [this, choose = placed.field.choose] {
        Pull();
        choose();
        Push();
    };
    switch (placed.field.kind) {
    case Kind::OpenButton:
    case Kind::NamesButton:
        connect(static_cast<tools::PictureButton*>(placed.widget), &QAbstractButton::clicked, this, choose);
        break;
    case Kind::Swatch:
        connect(static_cast<tools::ColourSwatch*>(placed.widget), &tools::ColourSwatch::clicked, this, choose);
        break;
    case Kind::OkButton:
        connect(static_cast<tools::PictureButton*>(placed.widget), &QAbstractButton::clicked, this,
                [this] { Confirm(); });
        break;
    case Kind::EscButton:
        connect(static_cast<tools::PictureButton*>(placed.widget), &QAbstractButton::clicked, this, &QDialog::reject);
        break;
    case Kind::Text:
    case Kind::ChosenText:
    case Kind::LevelList:
    case Kind::EffectList: break;
    }
}

QWidget* LevelToolWindow::Widget(Role role) const
{
    for (const Placed& placed : fields_) {
        if (placed.field.role == role) {
            return placed.widget;
        }
    }
    return nullptr;
}

QLineEdit* LevelToolWindow::Line(Role role) const
{
    return qobject_cast<QLineEdit*>(Widget(role));
}

QComboBox* LevelToolWindow::List(Role role) const
{
    return qobject_cast<QComboBox*>(Widget(role));
}

tools::PictureButton* LevelToolWindow::Button(Role role) const
{
    return qobject_cast<tools::PictureButton*>(Widget(role));
}

tools::ColourSwatch* LevelToolWindow::Swatch() const
{
    return qobject_cast<tools::ColourSwatch*>(Widget(Role::Colour));
}

QLabel* LevelToolWindow::Caption(Role role) const
{
    for (const Placed& placed : fields_) {
        if (placed.field.role == role) {
            return placed.caption;
        }
    }
    return nullptr;
}

void LevelToolWindow::Pull()
{
    for (const Placed& placed : fields_) {
        const tools::Field& field = placed.field;
        if (field.text) {
            *field.text = static_cast<QLineEdit*>(placed.widget)->text();
        }
        if (field.effect) {
            *field.effect = static_cast<QComboBox*>(placed.widget)->currentIndex();
        }
    }
}

void LevelToolWindow::Push()
{
    for (const Placed& placed : fields_) {
        const tools::Field& field = placed.field;
        if (field.text) {
            static_cast<QLineEdit*>(placed.widget)->setText(*field.text);
        }
        if (field.colour) {
            static_cast<tools::ColourSwatch*>(placed.widget)->SetColour(*field.colour);
        }
        if (field.effect) {
            static_cast<QComboBox*>(placed.widget)->setCurrentIndex(*field.effect);
        }
    }
}

void LevelToolWindow::FocusRefused(const Refusal& refusal)
{
    const auto role = tools::RoleOf(refusal.caret);
    QWidget* field = role ? Widget(*role) : nullptr;
    if (!field) {
        return;
    }
    field->setFocus(Qt::OtherFocusReason);
    if (auto* line = qobject_cast<QLineEdit*>(field); line && refusal.select) {
        line->selectAll();
    }
}

void LevelToolWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), background_);
}

void LevelToolWindow::mouseMoveEvent(QMouseEvent* event)
{
    for (const Placed& placed : fields_) {
        if (auto* button = qobject_cast<tools::PictureButton*>(placed.widget)) {
            button->ShowRest();
        }
    }
    QDialog::mouseMoveEvent(event);
}

void LevelToolWindow::keyPressEvent(QKeyEvent* event)
{
    // Return or Enter presses the button that has the focus, or else 确定.
    // (Esc is the dialog's own: it closes the window as 关闭 does.)
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QDialog::keyPressEvent(event);
        return;
    }
    auto* focused = qobject_cast<QAbstractButton*>(focusWidget());
    (focused ? focused : Button(Role::Ok))->click();
}

} // namespace daz
