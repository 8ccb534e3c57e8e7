#include "core/settings/Settings.h"

#include "core/files/CheckedSaveFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include <optional>
#include <vector>

namespace {

const char* const kKeyPaths[] = {
    "SOFTWARE\\Brindlecove\\Formlark (2005)\\Last Active Company",
    "SOFTWARE\\Brindlecove\\Formlark (2005)\\Form W2 Print Options",
    "SOFTWARE\\Brindlecove\\Formlark (2005)\\Form W3 Print Options",
    "SOFTWARE\\Brindlecove\\Formlark (2005)\\Form 1099 Print Options",
    "SOFTWARE\\Brindlecove\\Formlark (2005)\\Form 1096 Print Options",
    "SOFTWARE\\Brindlecove\\Formlark (2005)\\General Options",
    "SOFTWARE\\Microsoft\\DCOM Settings\\Options",
};

QString g_settingsFile;
bool g_settingsReadOnly = false;
QString g_programFolder;
bool g_programInstalled = false;

struct Value {
    QString name;
    bool isNumber = false;
    quint32 number = 0;
    QString text;
};

struct Group {
    QString path;
    std::vector<Value> values;
};

// The whole file in memory: read, changed and written back by each call.
struct SettingsFile {
    std::vector<Group> groups;

    Group* Find(const QString& path)
    {
        for (auto& g : groups)
            if (g.path.compare(path, Qt::CaseInsensitive) == 0)
                return &g;
        return nullptr;
    }
};

QString EscapeText(const QString& text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += u'"';
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'\\': out += QStringLiteral("\\\\"); break;
        case u'"': out += QStringLiteral("\\\""); break;
        case u'\n': out += QStringLiteral("\\n"); break;
        case u'\r': out += QStringLiteral("\\r"); break;
        case u'\t': out += QStringLiteral("\\t"); break;
        case 0: out += QStringLiteral("\\0"); break;
        default: out += c; break;
        }
    }
    out += u'"';
    return out;
}

// Reads a quoted text; nullopt when the value is not one.
std::optional<QString> UnescapeText(const QString& raw)
{
    if (raw.size() < 2 || !raw.startsWith(u'"') || !raw.endsWith(u'"'))
        return std::nullopt;
    QString out;
    for (qsizetype i = 1; i < raw.size() - 1; ++i) {
        QChar c = raw.at(i);
        if (c != u'\\' || i + 1 >= raw.size() - 1) {
            out += c;
            continue;
        }
        QChar e = raw.at(++i);
        switch (e.unicode()) {
        case u'n': out += u'\n'; break;
        case u'r': out += u'\r'; break;
        case u't': out += u'\t'; break;
        case u'0': out += QChar(0); break;
        default: out += e; break;
        }
    }
    return out;
}

// The whole file; nullopt when it exists but can't be read, so nothing is
// written over values that could not be seen.
std::optional<SettingsFile> Load()
{
    SettingsFile file;
    QFile f(SettingsFilePath());
    if (!f.exists())
        return file;
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return std::nullopt;
    const QString content = QString::fromUtf8(bytes);
    Group* current = nullptr;
    for (QString line : content.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            const QString path = line.mid(1, line.size() - 2);
            current = file.Find(path);
            if (!current) {
                file.groups.push_back(Group{path, {}});
                current = &file.groups.back();
            }
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (!current || eq <= 0)
            continue;
        Value v;
        v.name = line.left(eq);
        const QString raw = line.mid(eq + 1);
        if (raw.startsWith(QLatin1String("dword:"))) {
            bool ok = false;
            v.number = raw.mid(6).toUInt(&ok, 16);
            if (!ok)
                continue;
            v.isNumber = true;
        } else if (auto text = UnescapeText(raw)) {
            v.text = *text;
        } else {
            v.text = raw; // an unquoted text written by hand
        }
        current->values.push_back(std::move(v));
    }
    return file;
}

bool Save(const SettingsFile& file)
{
    const QString path = SettingsFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString content;
    for (const auto& g : file.groups) {
        content += u'[' + g.path + QStringLiteral("]\n");
        for (const auto& v : g.values) {
            content += v.name + u'=';
            if (v.isNumber)
                content += QStringLiteral("dword:%1").arg(v.number, 8, 16, QChar(u'0'));
            else
                content += EscapeText(v.text);
            content += u'\n';
        }
        content += u'\n';
    }
    // Whole or not at all: a full disk must not leave a cut-off file in
    // place of the password and the alignments.
    CheckedSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(content.toUtf8());
    return out.CommitWhole();
}

Value* FindValue(Group& group, const QString& name)
{
    for (auto& v : group.values)
        if (v.name.compare(name, Qt::CaseInsensitive) == 0)
            return &v;
    return nullptr;
}

// Opens a key for reading: creates it when missing. Returns the value, or
// nullptr when the key is new or has no such value.
std::optional<Value> OpenAndRead(const QString& keyPath, const QString& valueName)
{
    std::optional<SettingsFile> file = Load();
    if (!file)
        return std::nullopt;
    Group* group = file->Find(keyPath);
    if (!group) {
        if (!g_settingsReadOnly) {
            file->groups.push_back(Group{keyPath, {}});
            Save(*file); // a failed creation is no concern of the reader
        }
        return std::nullopt;
    }
    if (Value* v = FindValue(*group, valueName))
        return *v;
    return std::nullopt;
}

bool OpenAndWrite(const QString& keyPath, Value value)
{
    if (g_settingsReadOnly)
        return false;
    std::optional<SettingsFile> file = Load();
    if (!file)
        return false;
    Group* group = file->Find(keyPath);
    if (!group) {
        file->groups.push_back(Group{keyPath, {}});
        group = &file->groups.back();
    }
    if (Value* existing = FindValue(*group, value.name)) {
        value.name = existing->name;
        *existing = std::move(value);
    } else {
        group->values.push_back(std::move(value));
    }
    return Save(*file);
}

QString WithTrailingSlash(QString folder)
{
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

} // namespace

QString SettingsKeyPath(int index)
{
    if (index < 0 || index >= int(std::size(kKeyPaths)))
        return QString();
    return QString::fromLatin1(kKeyPaths[index]);
}

QString SettingsFilePath()
{
    if (!g_settingsFile.isEmpty())
        return g_settingsFile;
    const QString fromEnvironment = qEnvironmentVariable("FORMLARK_SETTINGS_FILE");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return XdgBaseFolder("XDG_CONFIG_HOME", QStringLiteral(".config")) +
           QStringLiteral("/Brindlecove/Formlark (2005).ini");
}

void SetSettingsFile(const QString& path)
{
    g_settingsFile = path;
}

void SetSettingsReadOnly(bool readOnly)
{
    g_settingsReadOnly = readOnly;
}

bool WriteSettingNumber(const QString& keyPath, const QString& valueName, int value)
{
    Value v;
    v.name = valueName;
    v.isNumber = true;
    v.number = quint32(value);
    return OpenAndWrite(keyPath, std::move(v));
}

bool WriteSettingText(const QString& keyPath, const QString& valueName, const QString& text)
{
    Value v;
    v.name = valueName;
    v.text = text;
    return OpenAndWrite(keyPath, std::move(v));
}

int ReadSettingNumber(const QString& keyPath, const QString& valueName, int defaultValue)
{
    const auto v = OpenAndRead(keyPath, valueName);
    if (!v || !v->isNumber)
        return defaultValue;
    return int(v->number);
}

QString ReadSettingText(const QString& keyPath, const QString& valueName, const QString& defaultValue)
{
    const auto v = OpenAndRead(keyPath, valueName);
    if (!v || v->isNumber)
        return defaultValue;
    return v->text;
}

ProgramLocation LocateProgramFolder(const QString& executableFolder)
{
    const QDir executable(executableFolder);
    const QString shared = QDir::cleanPath(executable.absoluteFilePath(QStringLiteral("../share/formlark")));
    if (QFileInfo(shared).isDir())
        return {WithTrailingSlash(shared), true};
    return {WithTrailingSlash(QDir::cleanPath(executable.absolutePath())), false};
}

namespace {

ProgramLocation CurrentProgramLocation()
{
    if (!g_programFolder.isEmpty())
        return {WithTrailingSlash(g_programFolder), g_programInstalled};
    const QString fromEnvironment = qEnvironmentVariable("FORMLARK_PROGRAM_FOLDER");
    if (!fromEnvironment.isEmpty())
        return {WithTrailingSlash(QDir(fromEnvironment).absolutePath()), false};
    if (QCoreApplication::instance())
        return LocateProgramFolder(QCoreApplication::applicationDirPath());
    return {WithTrailingSlash(QDir::currentPath()), false};
}

} // namespace

QString ProgramFolder()
{
    return CurrentProgramLocation().folder;
}

bool ProgramIsInstalled()
{
    return CurrentProgramLocation().installed;
}

void SetProgramFolder(const QString& folder, bool installed)
{
    g_programFolder = folder;
    g_programInstalled = installed;
}

QString XdgBaseFolder(const char* variable, const QString& homeFallback)
{
    const QString fromEnvironment = qEnvironmentVariable(variable);
    if (!fromEnvironment.isEmpty() && QDir::isAbsolutePath(fromEnvironment))
        return QDir::cleanPath(fromEnvironment);
    return QDir::homePath() + u'/' + homeFallback;
}
