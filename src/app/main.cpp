#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Vornik FPS v 1.1 - Проект не открыт..."));
    window.resize(890, 641);
    window.show();
    return app.exec();
}
