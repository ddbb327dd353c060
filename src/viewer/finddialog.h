#pragma once

#include <QDialog>

class QLineEdit;

// The small dialog of Ctrl+F: one line for a character, a Unicode value or a code, and a button
// that asks the window to find it. The window does the finding and closes the dialog once it has
// shown the glyph; a text it cannot find leaves the dialog open for another try.
class FindDialog : public QDialog {
    Q_OBJECT

public:
    explicit FindDialog(QWidget* parent = nullptr);

    // Shows the dialog with its text selected, ready for a new one.
    void start();

signals:
    void findRequested(const QString& text);

private:
    QLineEdit* text_ = nullptr;
};
