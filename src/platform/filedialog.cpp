#include "platform/filedialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>

#include "platform/dialogwindow.h"
#include "platform/recordtext.h"

namespace platform {
namespace {

using namespace commondialog;

// The pairs of a NUL-separated filter list as Qt name filters, "description (pattern ...)". The
// list ends at its first empty part; a description without a pattern is dropped.
QStringList nameFilters(const std::optional<std::string>& list) {
    QStringList filters;
    if (!list) {
        return filters;
    }
    const QStringList parts = QString::fromStdString(*list).split(QChar(u'\0'));
    for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty() && !parts[i + 1].isEmpty();
         i += 2) {
        QStringList patterns;
        for (const QString& part : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
            const QString pattern = part.trimmed();
            // The platform's "name.*" also matches "name" without an extension.
            if (pattern.endsWith(u".*")) {
                patterns << pattern.chopped(2);
            }
            patterns << pattern;
        }
        filters << parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return filters;
}

// The pair that the dialog ended with, from 1. The dialog names it by its description alone while
// it hides the patterns.
std::int32_t selectedFilterIndex(const QFileDialog& dialog, const QStringList& filters) {
    const QString selected = dialog.selectedNameFilter();
    for (qsizetype i = 0; i < filters.size(); ++i) {
        if (filters[i] == selected || filters[i].startsWith(selected + QStringLiteral(" ("))) {
            return static_cast<std::int32_t>(i + 1);
        }
    }
    return 1;
}

// The text for lpstrFile: one path, or for several files their folder, then each name, each
// ended by a NUL (the terminating NUL of the buffer then closes the list).
std::string chosenFilesText(const QStringList& files) {
    if (files.size() == 1) {
        return fileNameBytes(files.front());
    }
    std::string text = fileNameBytes(QFileInfo(files.front()).absolutePath());
    for (const QString& file : files) {
        text += '\0' + fileNameBytes(QFileInfo(file).fileName());
    }
    return text + '\0';
}

// nFileOffset: where the (first) name starts in lpstrFile. nFileExtension: where the extension of
// a single name starts; at its end when it has none, 0 when it ends in a dot or names several.
void setNameOffsets(OPENFILENAME& record, const std::string& path, bool several) {
    if (several) {
        record.nFileOffset = static_cast<std::int32_t>(path.find('\0') + 1);
        record.nFileExtension = 0;
        return;
    }
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = path.rfind('.');
    record.nFileOffset = static_cast<std::int32_t>(nameStart);
    if (dot == std::string::npos || dot < nameStart) {
        record.nFileExtension = static_cast<std::int32_t>(path.size());
    } else if (dot + 1 == path.size()) {
        record.nFileExtension = 0;
    } else {
        record.nFileExtension = static_cast<std::int32_t>(dot + 1);
    }
}

QCheckBox* addReadOnlyBox(QFileDialog& dialog, bool ticked) {
    // Qt's own dialog has a grid layout to extend; a native one has no room for the box.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (grid == nullptr) {
        return nullptr;
    }
    auto* box =
        new QCheckBox(QCoreApplication::translate("FileDialog", "Open as &read-only"), &dialog);
    box->setObjectName(QStringLiteral("readOnlyBox"));
    box->setChecked(ticked);
    grid->addWidget(box, grid->rowCount(), 0, 1, grid->columnCount());
    return box;
}

}  // namespace

DialogOutcome showFileDialog(OPENFILENAME& record, FileDialogKind kind) {
    if (record.lStructSize != OPENFILENAME::kSize) {
        return dialogFailed(CDERR_STRUCTSIZE);
    }
    if (!record.lpstrFile || record.nMaxFile < 1) {
        return dialogFailed(CDERR_INITIALIZATION);
    }
    const auto owner = ownerWindow(record.hwndOwner);
    if (!owner) {
        return dialogFailed(CDERR_DIALOGFAILURE);
    }

    QFileDialog dialog(*owner);
    const bool save = kind == FileDialogKind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (!save && (record.Flags & OFN_FILEMUSTEXIST) != 0) {
        dialog.setFileMode((record.Flags & OFN_ALLOWMULTISELECT) != 0 ? QFileDialog::ExistingFiles
                                                                      : QFileDialog::ExistingFile);
    } else {
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    dialog.setOption(QFileDialog::DontConfirmOverwrite, (record.Flags & OFN_OVERWRITEPROMPT) == 0);
    // As the platform's dialog, show descriptions only.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (record.lpstrTitle) {
        dialog.setWindowTitle(qtText(record.lpstrTitle));
    }
    if (record.lpstrInitialDir) {
        dialog.setDirectory(qtFileName(record.lpstrInitialDir));
    }
    if (record.lpstrDefExt) {
        dialog.setDefaultSuffix(qtText(record.lpstrDefExt));
    }
    const QStringList filters = nameFilters(record.lpstrFilter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const bool inRange = record.nFilterIndex >= 1 && record.nFilterIndex <= filters.size();
        dialog.selectNameFilter(filters[inRange ? record.nFilterIndex - 1 : 0]);
    }
    const QString startName = qtFileName(record.lpstrFile);
    if (!startName.isEmpty()) {
        dialog.selectFile(startName);
    }
    QCheckBox* readOnlyBox = nullptr;
    if (!save && (record.Flags & OFN_HIDEREADONLY) == 0) {
        readOnlyBox = addReadOnlyBox(dialog, (record.Flags & OFN_READONLY) != 0);
    }

    if (!runDialog(dialog)) {
        return dialogCancelled();
    }

    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) {
        return dialogCancelled();
    }
    const std::string path = chosenFilesText(files);
    const std::string title =
        files.size() == 1 ? fileNameBytes(QFileInfo(files.front()).fileName()) : std::string();
    // Both buffers are checked before either is written, so a failure writes nothing.
    const bool titleFits = !record.lpstrFileTitle || record.nMaxFileTitle < 1 ||
                           title.size() < static_cast<std::size_t>(record.nMaxFileTitle);
    if (path.size() >= static_cast<std::size_t>(record.nMaxFile) || !titleFits) {
        return dialogFailed(FNERR_BUFFERTOOSMALL);
    }
    writeToBuffer(*record.lpstrFile, record.nMaxFile, path);
    if (record.lpstrFileTitle) {
        writeToBuffer(*record.lpstrFileTitle, record.nMaxFileTitle, title);
    }

    setNameOffsets(record, path, files.size() > 1);
    if (readOnlyBox != nullptr) {
        record.Flags =
            readOnlyBox->isChecked() ? record.Flags | OFN_READONLY : record.Flags & ~OFN_READONLY;
    }
    if (!filters.isEmpty()) {
        record.nFilterIndex = selectedFilterIndex(dialog, filters);
    }
    return dialogAccepted();
}

std::int16_t writeFileTitle(const std::string& path, std::string& buffer, std::uint16_t size) {
    const std::string title = path.substr(path.rfind('/') + 1);  // npos + 1 is 0: the whole path
    if (title.empty() || title == "." || title == "..") {
        return -1;
    }
    if (!writeToBuffer(buffer, size, title)) {
        return static_cast<std::int16_t>(std::min<std::size_t>(title.size() + 1, INT16_MAX));
    }
    return 0;
}

}  // namespace platform
