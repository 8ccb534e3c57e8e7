#include "app/PrintCommand.h"

#include <QApplication>
#include <QLabel>

#include <cstring>

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "print") == 0)
        return RunPrintCommand(argc, argv);

    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Formlark (2005)"));
    window.setWindowTitle(QStringLiteral("Formlark (2005)"));
    window.resize(632, 400);
    window.show();
    return app.exec();
}
