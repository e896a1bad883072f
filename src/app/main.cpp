#include "app/orvanta_main.h"
#include "app/version.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    // Answered before any window system is needed.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("orvanta %s\n", qPrintable(orvanta::orvantaVersion()));
        return 0;
    }
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Orvanta"));
    return orvanta::runOrvanta(app, app.arguments());
}
