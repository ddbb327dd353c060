#include "viewer/fontdropfilter.h"

#include <QAbstractScrollArea>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QWidget>

#include "viewer/fontdrop.h"

void FontDropFilter::watch(QWidget* widget) {
    auto* area = qobject_cast<QAbstractScrollArea*>(widget);
    (area ? area->viewport() : widget)->installEventFilter(this);
}

bool FontDropFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            break;
        default:
            return QObject::eventFilter(watched, event);
    }
    auto* drop = static_cast<QDropEvent*>(event);  // a drag enter or move event is a drop event too
    if (!drop->mimeData()->hasUrls()) {
        return false;
    }
    const std::optional<QString> path = viewer::droppedFontFile(*drop->mimeData());
    if (!path) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (event->type() == QEvent::Drop) {
        QTimer::singleShot(0, this, [this, file = *path] { emit fontDropped(file); });
    }
    return true;
}
