#pragma once

#include <QString>
#include <optional>

class QMimeData;

namespace viewer {

// The file a drag brings when it brings exactly one local file that is not a folder; nothing for
// several files, a folder, a remote address or no address at all, which the window refuses.
std::optional<QString> droppedFontFile(const QMimeData& data);

}  // namespace viewer
