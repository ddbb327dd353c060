#include <gtest/gtest.h>

#include <QApplication>

#include <memory>

#include "support/tempdir.h"

namespace {

// One QApplication for all tests of the executable, on the offscreen platform, with Qt's own
// dialogs: a native dialog could wait for a person whatever the tests do. Qt's dialogs keep their
// history and custom colours in the user's settings; the tests keep theirs in a folder of their
// own.
class QtApplicationEnvironment : public testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        qunsetenv("QT_QPA_PLATFORMTHEME");
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(settings_.path().string()));
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        application_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "platform_tests";
    char* argv_[2] = {name_, nullptr};
    testsupport::TempDir settings_;
    std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
