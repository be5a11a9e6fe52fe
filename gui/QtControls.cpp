#include "gui/QtControls.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "editor/Numbers.h"
#include "gui/CanvasWidget.h"
#include "gui/MainWindow.h"
#include "gui/TextLabel.h"

namespace qv {
namespace {

QString fromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

QtControls::QtControls() : missingCanvas_(std::make_unique<Canvas>(CanvasSetup{})) {}
QtControls::~QtControls() = default;

void QtControls::setMainWindow(std::string_view name, MainWindow* window) {
    entries_[std::string(name)] = Entry{window, nullptr, true};
}

void QtControls::addControl(std::string_view name, QWidget* widget) {
    entries_[std::string(name)] = Entry{widget, nullptr, false};
}

void QtControls::addCanvas(std::string_view name, CanvasWidget* canvas) {
    entries_[std::string(name)] = Entry{canvas, canvas, false};
}

void QtControls::addComponent(std::string_view name) { entries_[std::string(name)] = Entry{}; }

const QtControls::Entry* QtControls::find(std::string_view name) const {
    const auto it = entries_.find(name);
    if (it == entries_.end() || !it->second.widget) return nullptr;
    return &it->second;
}

MainWindow* QtControls::mainWindow(const Entry* entry) const {
    return entry && entry->isMainWindow ? static_cast<MainWindow*>(entry->widget.data()) : nullptr;
}

QWidget* QtControls::widget(std::string_view name) const {
    const Entry* entry = find(name);
    return entry ? entry->widget.data() : nullptr;
}

CanvasWidget* QtControls::canvasWidget(std::string_view name) const {
    const Entry* entry = find(name);
    return entry ? entry->canvas : nullptr;
}

Canvas& QtControls::canvas(std::string_view name) {
    CanvasWidget* canvas = canvasWidget(name);
    return canvas ? canvas->canvas() : *missingCanvas_;
}

bool QtControls::visible(std::string_view name) const {
    const QWidget* w = widget(name);
    return w && w->isVisible();
}

void QtControls::setVisible(std::string_view name, bool visible) {
    if (QWidget* w = widget(name)) w->setVisible(visible);
}

bool QtControls::disabled(std::string_view name) const {
    const QWidget* w = widget(name);
    return w && !w->isEnabled();
}

void QtControls::setDisabled(std::string_view name, bool disabled) {
    if (QWidget* w = widget(name)) w->setEnabled(!disabled);
}

std::string QtControls::caption(std::string_view name) const {
    const Entry* entry = find(name);
    if (!entry) return {};
    const QWidget* w = entry->widget;
    if (entry->isMainWindow) return w->windowTitle().toStdString();
    if (const auto* label = qobject_cast<const TextLabel*>(w)) return label->caption().toStdString();
    if (const auto* button = qobject_cast<const QPushButton*>(w)) return button->text().toStdString();
    if (const auto* group = qobject_cast<const QGroupBox*>(w)) return group->title().toStdString();
    return {};
}

void QtControls::setCaption(std::string_view name, const std::string& caption) {
    const Entry* entry = find(name);
    if (!entry) return;
    QWidget* w = entry->widget;
    if (entry->isMainWindow)
        w->setWindowTitle(fromUtf8(caption));
    else if (auto* label = qobject_cast<TextLabel*>(w))
        label->setCaption(fromUtf8(caption));
    else if (auto* button = qobject_cast<QPushButton*>(w))
        button->setText(fromUtf8(caption));
    else if (auto* group = qobject_cast<QGroupBox*>(w))
        group->setTitle(fromUtf8(caption));
}

std::string QtControls::text(std::string_view name) const {
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget(name))) return edit->text().toStdString();
    return {};
}

void QtControls::setText(std::string_view name, const std::string& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget(name))) edit->setText(fromUtf8(text));
}

std::int32_t QtControls::left(std::string_view name) const {
    const QWidget* w = widget(name);
    return w ? w->x() : 0;
}

std::int32_t QtControls::top(std::string_view name) const {
    const QWidget* w = widget(name);
    return w ? w->y() : 0;
}

std::int32_t QtControls::width(std::string_view name) const {
    const Entry* entry = find(name);
    if (!entry) return 0;
    if (const MainWindow* window = mainWindow(entry)) return window->outerSize().width();
    if (entry->canvas) return entry->canvas->canvas().width();
    return entry->widget->width();
}

std::int32_t QtControls::height(std::string_view name) const {
    const Entry* entry = find(name);
    if (!entry) return 0;
    if (const MainWindow* window = mainWindow(entry)) return window->outerSize().height();
    if (entry->canvas) return entry->canvas->canvas().height();
    return entry->widget->height();
}

void QtControls::setLeft(std::string_view name, std::int32_t left) {
    if (QWidget* w = widget(name)) w->move(clampPosition(left), w->y());
}

void QtControls::setTop(std::string_view name, std::int32_t top) {
    if (QWidget* w = widget(name)) w->move(w->x(), clampPosition(top));
}

void QtControls::setWidth(std::string_view name, std::int32_t width) {
    const Entry* entry = find(name);
    if (!entry) return;
    if (MainWindow* window = mainWindow(entry))
        window->setOuterSize(QSize(width, window->outerSize().height()));
    else if (entry->canvas)
        entry->canvas->canvas().setWidth(width);  // the model clamps and resizes the widget
    else
        entry->widget->resize(clampSize(width), entry->widget->height());
}

void QtControls::setHeight(std::string_view name, std::int32_t height) {
    const Entry* entry = find(name);
    if (!entry) return;
    if (MainWindow* window = mainWindow(entry))
        window->setOuterSize(QSize(window->outerSize().width(), height));
    else if (entry->canvas)
        entry->canvas->canvas().setHeight(height);
    else
        entry->widget->resize(entry->widget->width(), clampSize(height));
}

}  // namespace qv
