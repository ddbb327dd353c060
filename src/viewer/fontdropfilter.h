#pragma once

#include <QObject>
#include <QString>

class QWidget;

// Takes drags of one font file off the widgets it watches: a drag of one local file is accepted
// and its drop emits the file's path, a drag of anything else that brings addresses is refused
// whole, so a text box never receives a path as text (viewer/fontdrop.h decides). Drags of plain
// text pass on to the widget.
class FontDropFilter : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Watches `widget`'s drags, or its viewport's for a scroll area, which receives them.
    void watch(QWidget* widget);

signals:
    // Emitted once the drop has returned, so the program that sent it is not kept waiting while
    // the window opens the file (and perhaps shows a message).
    void fontDropped(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
