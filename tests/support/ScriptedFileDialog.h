#pragma once
// A file dialog whose answers are queued in advance: each show() takes the
// next answer, confirming a path or cancelling, and records how it was shown.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "document/FileDialog.h"

namespace qv::test {

class ScriptedFileDialog : public FileDialog {
public:
    struct Shown {
        FileDialogKind kind;
        std::string filter;
        std::string fileName;  // the name the dialog started with
    };

    void willConfirm(std::string path) { answers_.emplace_back(std::move(path)); }
    void willCancel() { answers_.emplace_back(std::nullopt); }

    // With no answer queued the dialog behaves as cancelled; the call is
    // still recorded, so a test sees the unexpected dialog.
    bool show() override;

    const std::vector<Shown>& shown() const { return shown_; }
    std::size_t answersLeft() const { return answers_.size(); }

private:
    std::deque<std::optional<std::string>> answers_;
    std::vector<Shown> shown_;
};

}  // namespace qv::test
