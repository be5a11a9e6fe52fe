#pragma once
// The window's file dialog over Qt's own widget dialog, which behaves the
// same on every desktop. Modal to its parent window.
#include <QPointer>
#include <QStringList>
#include <functional>

#include "document/FileDialog.h"

class QFileDialog;
class QWidget;

namespace qv {

class QtFileDialog : public FileDialog {
public:
    explicit QtFileDialog(QWidget* parent = nullptr) : parent_(parent) {}

    bool show() override;

    // Qt's name filters for a filter text: "description (pattern)" per entry;
    // none for an empty text.
    static QStringList nameFilters(const std::string& filter);

private:
    void configure(QFileDialog& dialog) const;

    QPointer<QWidget> parent_;
};

}  // namespace qv
