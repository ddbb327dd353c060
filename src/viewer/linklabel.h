#pragma once

#include <QLabel>

// A label that reports a click of the left mouse button, for a caption that works as a link.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
