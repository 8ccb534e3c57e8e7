#include "tests/support/TestFolders.h"

#include "core/settings/Settings.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

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

QStringList FolderSnapshot(const QString& folder)
{
    QStringList lines;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        lines << QStringLiteral("%1 %2 %3 %4")
                     .arg(info.filePath())
                     .arg(info.size())
                     .arg(info.lastModified().toMSecsSinceEpoch())
                     .arg(int(info.permissions()), 0, 16);
    }
    lines.sort();
    return lines;
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

int FileMode(const QString& path)
{
    struct stat st = {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}
