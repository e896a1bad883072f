#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setObjectName(QStringLiteral("Main"));
    window.setWindowTitle(QStringLiteral("Orvanta Rev 1.3.4"));
    window.show();
    return app.exec();
}
