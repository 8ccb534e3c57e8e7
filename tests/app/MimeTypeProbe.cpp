// Prints the file type the desktop's database gives a file (by name and
// content), as a file manager would find it.
#include <QCoreApplication>
#include <QMimeDatabase>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QMimeType type = QMimeDatabase().mimeTypeForFile(QString::fromLocal8Bit(argv[1]));
    std::printf("%s\n", qPrintable(type.name()));
    return 0;
}
