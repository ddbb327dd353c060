#include "viewer/finddialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FindDialog::FindDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FindDialog"));
    setWindowTitle(tr("查找"));
    auto* label = new QLabel(tr("字符、U+ 值或代码(&C)："), this);
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("FindText"));
    text_->setPlaceholderText(tr("中   U+4E2D   0xD6D0"));
    label->setBuddy(text_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* find = buttons->addButton(tr("查找(&F)"), QDialogButtonBox::AcceptRole);
    find->setObjectName(QStringLiteral("FindButton"));
    find->setDefault(true);
    buttons->addButton(tr("关闭"), QDialogButtonBox::RejectRole);
    // Enter presses the default button; the window, not the button, decides when to close.
    connect(buttons, &QDialogButtonBox::accepted, this,
            [this] { emit findRequested(text_->text()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(text_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void FindDialog::start() {
    text_->selectAll();
    text_->setFocus();
    show();
    raise();
    activateWindow();
}
