#include "gui/QtFileDialog.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <algorithm>

namespace qv {
namespace {

constexpr std::size_t kMaxFileNameBytes = 259;

QString fromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

QStringList QtFileDialog::nameFilters(const std::string& filter) {
    QStringList filters;
    for (const FileFilterEntry& entry : parseFileFilter(filter)) {
        // Qt separates patterns with spaces where the filter text uses ';'.
        QString patterns = fromUtf8(entry.pattern).replace(u';', u' ').simplified();
        if (patterns.isEmpty()) patterns = QStringLiteral("*");
        filters << QStringLiteral("%1 (%2)").arg(fromUtf8(entry.description), patterns);
    }
    return filters;
}

void QtFileDialog::configure(QFileDialog& dialog) const {
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (!title.empty()) dialog.setWindowTitle(fromUtf8(title));

    const bool save = kind == FileDialogKind::SaveFile;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(!save && fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(save && overwritePrompt));
    dialog.setDefaultSuffix(fromUtf8(defaultExtension));

    const QStringList filters = nameFilters(filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const qsizetype selected = std::clamp<qsizetype>(initialFilter, 0, filters.size() - 1);
        dialog.selectNameFilter(filters.at(selected));
    }

    if (!initialFolder.empty()) dialog.setDirectory(QFile::decodeName(QByteArray::fromStdString(initialFolder)));
    if (!fileName.empty()) {
        const std::string start = fileName.substr(0, kMaxFileNameBytes);
        const QString path = QFile::decodeName(QByteArray::fromStdString(start));
        const QFileInfo info(path);
        if (info.isAbsolute() && initialFolder.empty()) dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.isAbsolute() ? info.fileName() : path);
    }
}

bool QtFileDialog::show() {
    QFileDialog dialog(parent_);
    configure(dialog);
    const int result = dialog.exec();
    // Without a window manager nobody hands the keyboard back to the window
    // once the dialog has closed.
    if (parent_) parent_->window()->activateWindow();
    if (result != QDialog::Accepted) return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty()) return false;
    const QString path = QFileInfo(chosen.first()).absoluteFilePath();
    if (!pathMustExist || QFileInfo(path).absoluteDir().exists()) {
        fileName = QFile::encodeName(path).toStdString();
        // Like the platform's dialog, a confirmed file makes its folder the
        // current one unless the folder is to be kept.
        if (!keepFolder) QDir::setCurrent(QFileInfo(path).absolutePath());
        return true;
    }
    return false;
}

}  // namespace qv
