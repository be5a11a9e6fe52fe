#pragma once
// The window's one file dialog component. It keeps its properties between
// uses; the commands set kind and filter before each use, and fileName is
// shared by every use.
#include <cstdint>
#include <string>
#include <vector>

namespace qv {

enum class FileDialogKind : std::int32_t { OpenFile = 0, SaveFile = 1 };

struct FileFilterEntry {
    std::string description;
    std::string pattern;  // e.g. "*.bmp", several separated by ';'
};

class FileDialog {
public:
    virtual ~FileDialog() = default;

    FileDialogKind kind = FileDialogKind::OpenFile;
    std::string title;
    std::string fileName;          // the full path confirmed last (file system bytes)
    std::string filter;            // "description|pattern|description|pattern..."
    std::int32_t initialFilter = 0;
    std::string initialFolder;
    std::string defaultExtension = "bmp";
    bool createPrompt = false;
    bool fileMustExist = true;
    bool overwritePrompt = true;
    bool pathMustExist = true;
    bool keepFolder = false;

    // Shows the modal dialog of the current kind. True when the user
    // confirmed a file; fileName then holds its full path. On cancel, or when
    // the dialog cannot be shown, false and fileName keeps its value.
    virtual bool show() = 0;
};

// The filter text read as entries: trailing white space removed, then pairs
// of description and pattern separated by '|'. Empty text gives no entries.
std::vector<FileFilterEntry> parseFileFilter(const std::string& filter);

}  // namespace qv
