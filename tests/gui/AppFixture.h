#pragma once
// The window as the start-up routine makes it: created, the created event
// raised, shown centred and exposed.
#include <QApplication>
#include <QTest>
#include <QWindow>
#include <memory>

#include <gtest/gtest.h>

#include "app/Application.h"
#include "gui/CanvasWidget.h"
#include "gui/MainWindow.h"

namespace qv::test {

inline QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<Application>();
        app->raiseCreated();
        app->showCentred();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&app->window()));
    }
    void TearDown() override {
        app.reset();
        QApplication::processEvents();
    }

    QtControls& controls() { return app->controls(); }
    MainWindow& window() { return app->window(); }
    QWindow* handle() { return app->window().windowHandle(); }
    CanvasWidget* canvas(std::string_view name) { return app->controls().canvasWidget(name); }
    template <typename T = QWidget>
    T* widget(std::string_view name) {
        return qobject_cast<T*>(app->controls().widget(name));
    }
    // A point of a canvas's client area in the window's coordinates.
    QPoint inWindow(std::string_view name, int x, int y) {
        CanvasWidget* c = canvas(name);
        return c->mapTo(&window(), c->contentsRect().topLeft() + QPoint(x, y));
    }

    std::unique_ptr<Application> app;
};

}  // namespace qv::test
