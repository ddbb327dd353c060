#include "viewer/fontfilechooser.h"

#include <QDir>

#include "commondialog/ccommondialog.h"
#include "runtime/numbertext.h"

FontFileChooser::Choice FontFileChooser::choose(commondialog::DialogPlatform& dialogs) {
    commondialog::cCommonDialog dialog(dialogs);
    commondialog::OpenFileArguments arguments;
    arguments.Filter = tr("bootfont files").toStdString() + "|bootfont*.*";
    arguments.FilterIndex = 1;
    arguments.InitDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() +
                                                 QStringLiteral("/bootfont"))
                            .toStdString();
    if (dialog.VBGetOpenFileName(arguments)) {
        return {arguments.Filename, {}};
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
