#include "viewer/fontsaver.h"

#include <QFile>
#include <cerrno>
#include <cstring>

#include "bootfont/atomicwrite.h"
#include "bootfont/fontcheck.h"
#include "viewer/fontdocument.h"
#include "viewer/fontfilechooser.h"
#include "viewer/windowmessages.h"

namespace viewer {
namespace {

// The errors a check may show before a save; more are counted.
constexpr int kErrorsShown = 8;

QString pathText(const std::filesystem::path& path) {
    return QFile::decodeName(path.c_str());
}

// A target that no write can reach, where another file may do.
bool unwritable(int systemError) {
    return systemError == EACCES || systemError == EPERM || systemError == EROFS;
}

}  // namespace

FontSaver::FontSaver(commondialog::DialogPlatform& dialogs, const WindowMessages& messages)
    : dialogs_(dialogs), messages_(messages), writer_(bootfont::writeFileAtomically) {}

bool FontSaver::save(FontDocument& document) {
    return saveTo(document, document.path(), true);
}

bool FontSaver::saveAs(FontDocument& document) {
    const FontFileChooser::Choice choice =
        FontFileChooser::chooseSaveTarget(dialogs_, document.path());
    if (!choice.failure.isEmpty()) {
        messages_.reportError(choice.failure);
    }
    return choice.path && saveTo(document, *choice.path, false);
}

bool FontSaver::maybeSave(FontDocument& document) {
    if (!document.isModified()) {
        return true;
    }
    const QString question = tr("“%1”有未保存的修改。\n要保存吗？").arg(pathText(document.path()));
    switch (messages_.ask(question, {tr("保存"), tr("不保存"), tr("取消")}, 0, 2)) {
        case 0:
            return save(document);
        case 1:
            return true;
        default:
            return false;
    }
}

bool FontSaver::saveTo(FontDocument& document, const std::filesystem::path& target,
                       bool offerSaveAs) {
    const std::vector<std::uint8_t> bytes = document.bytes();
    if (!acceptCheck(bytes) || (target == document.path() && !acceptOverwrite(document))) {
        return false;
    }
    try {
        writer_(target, bytes);
    } catch (const bootfont::FileWriteError& error) {
        const QString failure =
            tr("无法保存“%1”：%2。").arg(pathText(target), writeFailure(error.systemError()));
        if (offerSaveAs && unwritable(error.systemError())) {
            const QString question = failure + tr("\n要另存为其他文件吗？");
            return messages_.ask(question, {tr("另存为..."), tr("取消")}, 0, 1) == 0 &&
                   saveAs(document);
        }
        messages_.reportError(failure + tr("\n修改仍在窗口中，可以保存到其他文件。"));
        return false;
    }
    document.saved(target, fileStamp(target));
    return true;
}

bool FontSaver::acceptCheck(std::span<const std::uint8_t> bytes) const {
    QStringList errors;
    for (const bootfont::Finding& finding : bootfont::checkFont(bootfont::readWholeFont(bytes))) {
        if (finding.severity == bootfont::Severity::Error) {
            errors << QString::fromStdString(finding.message);
        }
    }
    if (errors.isEmpty()) {
        return true;
    }
    const auto more = errors.size() - kErrorsShown;
    if (more > 0) {
        errors.erase(errors.begin() + kErrorsShown, errors.end());
        errors << tr("（另有 %n 个错误）", "", static_cast<int>(more));
    }
    const QString question =
        tr("检查发现这个字体有错误：\n\n%1\n\n仍然保存吗？").arg(errors.join(QLatin1Char('\n')));
    return messages_.ask(question, {tr("仍然保存"), tr("不保存")}, 1, 1) == 0;
}

bool FontSaver::acceptOverwrite(const FontDocument& document) const {
    if (fileStamp(document.path()) == document.stamp()) {
        return true;
    }
    const QString question = tr("“%1”在打开后已被其他程序修改或删除。\n要用窗口中的字体覆盖它吗？")
                                 .arg(pathText(document.path()));
    return messages_.ask(question, {tr("覆盖"), tr("取消")}, 1, 1) == 0;
}

QString FontSaver::writeFailure(int systemError) {
    switch (systemError) {
        case ENOSPC:
        case EDQUOT:
            return tr("磁盘空间不足");
        case EACCES:
        case EPERM:
            return tr("没有写入权限");
        case EROFS:
            return tr("磁盘是只读的");
        case ENOENT:
        case ENOTDIR:
            return tr("文件夹不存在");
        default:
            // The system's own words, in the system's language.
            return QString::fromLocal8Bit(std::strerror(systemError));
    }
}

}  // namespace viewer
