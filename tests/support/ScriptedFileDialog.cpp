#include "tests/support/ScriptedFileDialog.h"

namespace qv::test {

bool ScriptedFileDialog::show() {
    shown_.push_back({kind, filter, fileName});
    if (answers_.empty()) return false;
    std::optional<std::string> answer = std::move(answers_.front());
    answers_.pop_front();
    if (!answer) return false;
    fileName = std::move(*answer);
    return true;
}

}  // namespace qv::test
