#pragma once
// The program's one window, built from the window definition and bound to
// the event table: the widgets, the controls by name, the editor, the file
// dialog and the mouse routing. Tests build it as the start-up routine does.
#include <memory>

#include "editor/Editor.h"
#include "gui/MouseRouter.h"
#include "gui/QtControls.h"
#include "gui/QtFileDialog.h"

namespace qv {

class MainWindow;
struct ControlDefinition;

class Application {
public:
    // Creates the window and its controls hidden, with their initial
    // visibility and enabled states applied. Throws when it cannot.
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Raises the window's created event.
    void raiseCreated();
    // Shows the window centred on the primary screen by its outer size
    // (which may place it partly off screen) and activates it.
    void showCentred();

    MainWindow& window() { return *window_; }
    QtControls& controls() { return controls_; }
    Editor& editor() { return editor_; }
    QtFileDialog& fileDialog() { return dialog_; }

private:
    void build(const ControlDefinition& definition);
    void bindEvents();

    std::unique_ptr<MainWindow> window_;
    QtControls controls_;
    Editor editor_;
    QtFileDialog dialog_;
    MouseRouter router_;
};

}  // namespace qv
