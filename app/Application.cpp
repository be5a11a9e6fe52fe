#include "app/Application.h"

#include <QApplication>
#include "gui/GroupBox.h"
#include <QScreen>
#include <exception>
#include <stdexcept>

#include "app/DefaultTilesetBytes.h"
#include "app/EventTable.h"
#include "app/WindowDefinition.h"
#include "gui/CanvasWidget.h"
#include "gui/EditBox.h"
#include "gui/MainWindow.h"
#include "gui/PlainButton.h"
#include "gui/TextLabel.h"

namespace qv {
namespace {

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::uint32_t buttonFaceColour() { return QApplication::palette().color(QPalette::Button).rgb() & 0xFFFFFFu; }

// A handler's failure (out of memory on a huge map) must not end the
// program: the event is dropped as if it had no handler.
template <typename Call>
void runHandler(Call&& call) {
    try {
        call();
    } catch (const std::exception&) {
    }
}

}  // namespace

Application::Application() : window_(std::make_unique<MainWindow>()), editor_(controls_), dialog_(window_.get()) {
    const MainWindowDefinition& main = mainWindowDefinition();
    window_->setObjectName(fromUtf8(main.name));
    window_->setWindowTitle(fromUtf8(main.caption));
    window_->setOuterSize(QSize(main.outerWidth, main.outerHeight));
    controls_.setMainWindow(main.name, window_.get());
    for (const ControlDefinition& definition : windowControls()) build(definition);
    bindEvents();
    qApp->installEventFilter(&router_);
}

Application::~Application() = default;

void Application::build(const ControlDefinition& d) {
    QWidget* parent = d.parent == mainWindowDefinition().name ? window_->clientArea() : controls_.widget(d.parent);
    if (d.kind == ControlKind::FileDialog) {
        controls_.addComponent(d.name);
        return;
    }
    if (!parent) throw std::runtime_error("window definition: a control before its parent");

    QWidget* widget = nullptr;
    switch (d.kind) {
        case ControlKind::Canvas: {
            CanvasSetup setup;
            setup.outerWidth = d.width;
            setup.outerHeight = d.height;
            setup.border = d.canvas.border;
            setup.backgroundColour = buttonFaceColour();
            setup.pictureMode = d.canvas.pictureMode;
            setup.autoRedraw = d.canvas.autoRedraw;
            auto* canvas = new CanvasWidget(setup, parent);
            if (d.canvas.picture == StartPicture::DefaultTileset)
                canvas->canvas().setBackgroundPicture(defaultTilesetBytes());
            controls_.addCanvas(d.name, canvas);
            widget = canvas;
            break;
        }
        case ControlKind::GroupBox: {
            auto* group = new GroupBox(fromUtf8(d.caption), parent);
            group->setFocusPolicy(Qt::NoFocus);
            widget = group;
            break;
        }
        case ControlKind::Label: {
            auto* label = new TextLabel(
                d.label.lines == LabelLines::WordWrapped ? TextLabel::Lines::WordWrapped : TextLabel::Lines::OneLine,
                d.label.align == LabelAlign::Centred ? Qt::AlignHCenter : Qt::AlignLeft, parent);
            label->setCaption(fromUtf8(d.caption));
            widget = label;
            break;
        }
        case ControlKind::EditBox: {
            auto* edit = new EditBox(parent);
            edit->setMaxGbkBytes(d.maxGbkBytes);
            edit->setText(fromUtf8(d.caption));
            widget = edit;
            break;
        }
        case ControlKind::Button: {
            auto* button = new PlainButton(parent);
            button->setText(fromUtf8(d.caption));
            widget = button;
            break;
        }
        case ControlKind::FileDialog:
            return;
    }
    widget->setObjectName(fromUtf8(d.name));
    if (d.kind != ControlKind::Canvas) {
        widget->setGeometry(d.left, d.top, d.width, d.height);
        controls_.addControl(d.name, widget);
    } else {
        widget->move(d.left, d.top);  // its size is the canvas model's
    }
    if (d.kind == ControlKind::EditBox || d.kind == ControlKind::Button)
        widget->setFocusPolicy(d.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    widget->setEnabled(d.enabled);
    widget->setVisible(d.visible);
}

void Application::bindEvents() {
    for (const EventRow& row : eventTable()) {
        switch (row.kind) {
            case EventKind::Created:
                break;  // raised by raiseCreated
            case EventKind::Clicked:
                if (auto* button = qobject_cast<QAbstractButton*>(controls_.widget(row.control)))
                    QObject::connect(button, &QAbstractButton::clicked, button,
                                     [this, handler = row.click] { runHandler([&] { handler(editor_, dialog_); }); });
                break;
            case EventKind::Pressed:
            case EventKind::Released:
                if (CanvasWidget* canvas = controls_.canvasWidget(row.control)) {
                    auto signal = row.kind == EventKind::Pressed ? &CanvasWidget::pressed : &CanvasWidget::released;
                    QObject::connect(canvas, signal, canvas,
                                     [this, handler = row.mouse](std::int32_t x, std::int32_t y, std::int32_t keys) {
                                         runHandler([&] { handler(editor_, dialog_, x, y, keys); });
                                     });
                }
                break;
        }
    }
}

void Application::raiseCreated() {
    for (const EventRow& row : eventTable())
        if (row.kind == EventKind::Created && row.control == mainWindowDefinition().name)
            runHandler([&] { row.click(editor_, dialog_); });
}

void Application::showCentred() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 0, 0);
    const QSize outer = window_->outerSize();
    // Integer division truncating towards zero, unclamped.
    window_->showAt((area.width() - outer.width()) / 2, (area.height() - outer.height()) / 2);
}

}  // namespace qv
