#pragma once
// The window's controls by name, over the Qt widgets: what the handlers read
// and change. Canvas sizes are their models' sizes; the main window's size is
// its outer size by the frame rule. Unknown names read as empty and ignore
// writes.
#include <QPointer>
#include <map>
#include <memory>
#include <string>

#include "editor/Controls.h"

class QWidget;

namespace qv {

class CanvasWidget;
class MainWindow;

class QtControls : public Controls {
public:
    QtControls();
    ~QtControls() override;

    void setMainWindow(std::string_view name, MainWindow* window);
    void addControl(std::string_view name, QWidget* widget);
    void addCanvas(std::string_view name, CanvasWidget* canvas);
    // A control with no widget of its own (the file dialog component).
    void addComponent(std::string_view name);

    QWidget* widget(std::string_view name) const;
    CanvasWidget* canvasWidget(std::string_view name) const;

    Canvas& canvas(std::string_view name) override;
    bool visible(std::string_view name) const override;
    void setVisible(std::string_view name, bool visible) override;
    bool disabled(std::string_view name) const override;
    void setDisabled(std::string_view name, bool disabled) override;
    std::string caption(std::string_view name) const override;
    void setCaption(std::string_view name, const std::string& caption) override;
    std::string text(std::string_view name) const override;
    void setText(std::string_view name, const std::string& text) override;
    std::int32_t left(std::string_view name) const override;
    std::int32_t top(std::string_view name) const override;
    std::int32_t width(std::string_view name) const override;
    std::int32_t height(std::string_view name) const override;
    void setLeft(std::string_view name, std::int32_t left) override;
    void setTop(std::string_view name, std::int32_t top) override;
    void setWidth(std::string_view name, std::int32_t width) override;
    void setHeight(std::string_view name, std::int32_t height) override;

private:
    struct Entry {
        QPointer<QWidget> widget;
        CanvasWidget* canvas = nullptr;
        bool isMainWindow = false;
    };
    const Entry* find(std::string_view name) const;
    MainWindow* mainWindow(const Entry* entry) const;

    std::map<std::string, Entry, std::less<>> entries_;
    std::unique_ptr<Canvas> missingCanvas_;  // what an unknown canvas name reaches
};

}  // namespace qv
