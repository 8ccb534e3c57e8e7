#include "tests/support/TestFolders.h"

#include "core/settings/Settings.h"

#include <QDir>
#include <QFile>

TestFolders::TestFolders()
{
    QDir().mkpath(DataFolder());
    SetProgramFolder(ProgramFolder());
    SetSettingsFile(SettingsFile());
}

TestFolders::~TestFolders()
{
    SetProgramFolder(QString());
    SetSettingsFile(QString());
}

QString TestFolders::ProgramFolder() const
{
    return dir_.path() + QStringLiteral("/program/");
}

QString TestFolders::DataFolder() const
{
    return ProgramFolder() + QStringLiteral("DatabaseFiles/");
}

QString TestFolders::SettingsFile() const
{
    return dir_.path() + QStringLiteral("/config/Brindlecove/Formlark (2005).ini");
}

QString TestFolders::Path(const QString& relative) const
{
    return dir_.path() + u'/' + relative;
}

QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
