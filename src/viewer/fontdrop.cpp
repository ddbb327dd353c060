#include "viewer/fontdrop.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace viewer {

std::optional<QString> droppedFontFile(const QMimeData& data) {
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) {
        return std::nullopt;
    }
    const QString path = urls.front().toLocalFile();
    if (path.isEmpty() || QFileInfo(path).isDir()) {
        return std::nullopt;
    }
    return path;
}

}  // namespace viewer
