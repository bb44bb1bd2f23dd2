#include "LevelToolWindow.h"

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

namespace {

// A picture button with the pictures picture + ".png" and picture +
// "-hover.png" ("ok" gives ok.png and ok-hover.png).
PictureButton* MakePictureButton(QWidget* parent, const QString& picture)
{
    return new PictureButton(ToolPicture(picture + QStringLiteral(".png")),
                             ToolPicture(picture + QStringLiteral("-hover.png")), parent);
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
    case Kind::OpenButton: return MakePictureButton(parent, QStringLiteral("open"));
    case Kind::OkButton: return MakePictureButton(parent, QStringLiteral("ok"));
    case Kind::EscButton: return MakePictureButton(parent, QStringLiteral("esc"));
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
    setWindowTitle(table.title);
    setFixedSize(table.width, table.height);
    setMouseTracking(true);
    background_ = tools::ToolPicture(table.background);

    QWidget* previous = nullptr;
    for (tools::Field& field : table.fields) {
        QWidget* widget = tools::MakeWidget(this, field);
        widget->setGeometry(field.rect.x, field.rect.y, field.rect.width, field.rect.height);
        widget->setAccessibleName(field.name);
        if (qobject_cast<tools::PictureButton*>(widget) || qobject_cast<tools::ColourSwatch*>(widget)) {
            widget->setToolTip(field.name);
        }
        if (previous) {
            setTabOrder(previous, widget);
        }
        previous = widget;
        fields_.push_back({std::move(field), widget});
        Connect(fields_.back());
    }
}

void LevelToolWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && !fields_.empty()) {
        const tools::WindowTable table = Table();
        setWindowTitle(table.title);
        for (std::size_t i = 0; i < fields_.size() && i < table.fields.size(); ++i) {
            QWidget* widget = fields_[i].widget;
            widget->setAccessibleName(table.fields[i].name);
            if (qobject_cast<tools::PictureButton*>(widget) || qobject_cast<tools::ColourSwatch*>(widget)) {
                widget->setToolTip(table.fields[i].name);
            }
        }
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
