#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Orvanta");
    QMainWindow w;
    w.setWindowTitle("TEMP.BMP");
    w.resize(640, 480);
    w.show();
    return app.exec();
}
