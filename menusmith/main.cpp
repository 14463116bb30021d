#include <QApplication>
#include <QMainWindow>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationName(QStringLiteral("menusmith"));
    QApplication::setApplicationVersion(QStringLiteral("1.3.0"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("menusmith"));
    window.show();
    return app.exec();
}
