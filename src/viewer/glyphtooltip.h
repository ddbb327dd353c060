#pragma once

#include <QFrame>
#include <QImage>
#include <QRect>

class QLabel;

// The glyph picture's tooltip: the glyph's lines of text beside the glyph drawn large, in a window
// of the desktop's tooltip colours and frame. Its own widget rather than QToolTip's rich text,
// whose layout of a picture beside text costs several times the millisecond a tooltip may take;
// here the two labels keep their places and only their contents change. It goes, as QToolTip's
// does, on a click, a key, the wheel or when the window loses the focus; its owner hides it when
// the pointer leaves the glyph.
class GlyphToolTip : public QFrame {
    Q_OBJECT

public:
    explicit GlyphToolTip(QWidget* owner);

    // Shows `text` and `picture` (none when null) below and right of `globalPos`, within the
    // screen.
    void showTip(QPoint globalPos, const QString& text, const QImage& picture);
    void hideTip();

    QString text() const;
    QImage picture() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* text_ = nullptr;
    QLabel* picture_ = nullptr;
};
