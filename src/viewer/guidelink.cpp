#include "viewer/guidelink.h"

#include <QCoreApplication>
#include <QCursor>
#include <QPixmap>
#include <QUrl>

#include "commondialog/shellservice.h"
#include "viewer/fittocaption.h"

GuideLink::GuideLink(QWidget* parent)
    : LinkLabel(tr("userguide.html", "the link's caption"), parent) {
    QFont linkFont(QStringLiteral("Tahoma"));
    linkFont.setPointSizeF(12);
    linkFont.setBold(true);
    linkFont.setUnderline(true);
    setFont(linkFont);
    QPalette linkPalette = palette();
    linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(linkPalette);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setCursor(QCursor(QPixmap(QStringLiteral(":/cursors/hand.xpm")), 5, 0));
    setToolTip(tr("BootFont 查看器 — 点击打开使用说明"));
    viewer::fitToCaption(this);
}

QString GuideLink::address() {
    const QString configured = QStringLiteral(BOOTFONT_LINK_ADDRESS);
    if (!configured.isEmpty()) {
        return configured;
    }
    return QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                               tr("userguide.html", "the file name of the user guide"))
        .toString();
}

void GuideLink::open(commondialog::ShellService& shell) {
    shell.execute("open", "iexplore", address().toStdString(),
                  commondialog::ShellService::kShowMaximized);
}
