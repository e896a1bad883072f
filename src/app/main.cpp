#include "app/orvanta_main.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Orvanta"));
    return orvanta::runOrvanta(app, app.arguments());
}
