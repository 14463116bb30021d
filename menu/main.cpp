#include <QApplication>
#include <QMainWindow>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationName(QStringLiteral("menu"));
    QApplication::setApplicationVersion(QStringLiteral("1.3.0"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("menu"));
    window.show();
    return app.exec();
}
