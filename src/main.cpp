#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("BootFont Viewer"));
    window.resize(887, 468);
    window.show();
    return app.exec();
}
