// Build step: puts the demo "Sample Company" store into the program's data
// folder. An existing store is left alone, so a rebuild never overwrites
// what a user typed into it.
#include "tools/SampleCompany.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: %s STORE-PATH\n", argv[0]);
        return 2;
    }
    const QString path = args.at(1);
    if (QFileInfo::exists(path))
        return 0;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!WriteSampleCompany(path)) {
        std::fprintf(stderr, "could not write the sample company to %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}
