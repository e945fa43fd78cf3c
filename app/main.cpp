#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("ritmora");
    QMainWindow window;
    window.setWindowTitle(QString::fromUtf8("Ritmora editörü"));
    window.resize(1024, 768);
    window.show();
    return QApplication::exec();
}
