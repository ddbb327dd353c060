#include "viewer/fontfilechooser.h"

#include <QDir>

#include "commondialog/ccommondialog.h"
#include "runtime/numbertext.h"

std::string FontFileChooser::filter() {
    return tr("bootfont files").toStdString() + "|bootfont*.*";
}

FontFileChooser::Choice FontFileChooser::choose(commondialog::DialogPlatform& dialogs) {
    commondialog::cCommonDialog dialog(dialogs);
    commondialog::OpenFileArguments arguments;
    arguments.Filter = filter();
    arguments.FilterIndex = 1;
    arguments.InitDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() +
                                                 QStringLiteral("/bootfont"))
                            .toStdString();
    const bool accepted = dialog.VBGetOpenFileName(arguments);
    return choice(accepted, dialog, arguments.Filename);
}

FontFileChooser::Choice FontFileChooser::chooseSaveTarget(commondialog::DialogPlatform& dialogs,
                                                          const std::filesystem::path& current) {
    commondialog::cCommonDialog dialog(dialogs);
    commondialog::SaveFileArguments arguments;
    arguments.Filter = filter();
    arguments.FilterIndex = 1;
    arguments.OverWritePrompt = true;
    arguments.InitDir = current.parent_path().string();
    arguments.Filename = current.filename().string();
    const bool accepted = dialog.VBGetSaveFileName(arguments);
    return choice(accepted, dialog, arguments.Filename);
}

FontFileChooser::Choice FontFileChooser::choice(bool accepted,
                                                const commondialog::cCommonDialog& dialog,
                                                const std::string& path) {
    if (accepted) {
        return {path, {}};
    }
    // A failed (not cancelled) dialog, with the platform's extended error code.
    Choice failed;
    if (const std::int32_t error = dialog.ExtendedError(); error != 0) {
        failed.failure =
            tr("无法打开文件对话框（扩展错误代码 %1）")
                .arg(QString::fromStdString(runtime::hexCode(static_cast<std::uint32_t>(error))));
        if (error == commondialog::FNERR_BUFFERTOOSMALL) {
            failed.failure +=
                tr("：所选文件的路径超过 %1 字节。").arg(commondialog::kFileBufferSize);
        }
    }
    return failed;
}
