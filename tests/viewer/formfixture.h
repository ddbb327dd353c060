#pragma once

#include <gtest/gtest.h>
#include <QLabel>
#include <QPushButton>

#include "commondialog/fakedialogplatform.h"
#include "support/fakeservices.h"
#include "viewer/form1.h"
#include "viewer/picturebox.h"

namespace testsupport {

// A window wired to recording services, with its controls found by name as a screen reader or a
// user script would find them.
class FormTest : public ::testing::Test {
protected:
    template <typename Widget = QWidget>
    Widget* control(const char* name) {
        auto* widget = form.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QPushButton* button(int number) {
        return control<QPushButton>(("Command" + std::to_string(number)).c_str());
    }
    PictureBox* picture() { return control<PictureBox>("Picture1"); }
    QString indicator() { return control<QLabel>("Label2")->text(); }

    FakeDialogPlatform dialogs;
    RecordingMessageBox messageBox;
    RecordingShell shell;
    Form1 form{{dialogs, messageBox, shell}};
};

}  // namespace testsupport
