#include "core/settings/Settings.h"

#include "core/files/CheckedSaveFile.h"
#include "core/files/RegularFile.h"

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

// The largest settings file read: a few paths, names and numbers take a
// few hundred bytes.
constexpr qint64 kLargestSettingsFile = 1024 * 1024;

struct Value {
    QString name;
    bool isNumber = false;
    quint32 number = 0;
    QString text;

    bool SameAs(const Value& other) const
    {
        return isNumber == other.isNumber && (isNumber ? number == other.number : text == other.text);
    }
};

// One line of the file as it was read. Only the lines of values the program
// changes are ever written anew; every other line (comments, lines before
// the first group, lines that are neither a group nor a value, values as
// the user quoted them) goes back into the file byte for byte.
struct Line {
    enum Kind { kOther, kGroup, kValue };
    QByteArray raw; // without its "\n"; a "\r" before it stays part of it
    Kind kind = kOther;
    QString group; // the group's path (of the line itself, or of the group it is in)
    Value value;   // for kValue
};

// The whole file in memory: read, changed and written back by each write.
struct SettingsFile {
    std::vector<Line> lines;
    bool endsWithNewline = true;

    // The line of `name` under `group`: the first one, as reads see it.
    Line* Find(const QString& group, const QString& name)
    {
        for (Line& line : lines)
            if (line.kind == Line::kValue && line.group.compare(group, Qt::CaseInsensitive) == 0
                && line.value.name.compare(name, Qt::CaseInsensitive) == 0)
                return &line;
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
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'"':
            out += QStringLiteral("\\\"");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        case u'\t':
            out += QStringLiteral("\\t");
            break;
        case 0:
            out += QStringLiteral("\\0");
            break;
        default:
            out += c;
            break;
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
        case u'n':
            out += u'\n';
            break;
        case u'r':
            out += u'\r';
            break;
        case u't':
            out += u'\t';
            break;
        case u'0':
            out += QChar(0);
            break;
        default:
            out += e;
            break;
        }
    }
    return out;
}

// What a line is: a group, a value of the group `current`, or neither.
Line ParseLine(const QByteArray& raw, const QString& current)
{
    Line line;
    line.raw = raw;
    line.group = current;
    QString text = QString::fromUtf8(raw).trimmed();
    if (text.isEmpty() || text.startsWith(u';') || text.startsWith(u'#'))
        return line;
    if (text.startsWith(u'[') && text.endsWith(u']')) {
        line.kind = Line::kGroup;
        line.group = text.mid(1, text.size() - 2);
        return line;
    }
    const qsizetype eq = text.indexOf(u'=');
    if (current.isNull() || eq <= 0)
        return line;
    Value v;
    v.name = text.left(eq).trimmed();
    const QString rawValue = text.mid(eq + 1).trimmed();
    if (rawValue.startsWith(QLatin1String("dword:"))) {
        bool ok = false;
        v.number = rawValue.mid(6).toUInt(&ok, 16);
        if (!ok)
            return line;
        v.isNumber = true;
    } else if (auto quoted = UnescapeText(rawValue)) {
        v.text = *quoted;
    } else {
        v.text = rawValue; // an unquoted text written by hand
    }
    line.kind = Line::kValue;
    line.value = std::move(v);
    return line;
}

QString FormatValue(const Value& v)
{
    if (v.isNumber)
        return v.name + QStringLiteral("=dword:%1").arg(v.number, 8, 16, QChar(u'0'));
    return v.name + u'=' + EscapeText(v.text);
}

// Why the settings file can't be used, or empty.
QString g_settingsProblem;

// The whole file; nullopt when it exists but can't be read (a pipe, a
// device, a folder, too large, no permission), so nothing is written over
// values that could not be seen. Never waits for a pipe.
std::optional<SettingsFile> Load()
{
    SettingsFile file;
    const QString path = SettingsFilePath();
    const FileContents contents = ReadRegularFile(path, kLargestSettingsFile);
    g_settingsProblem.clear();
    if (contents.outcome == FileReadOutcome::Missing)
        return file;
    if (!contents.Ok()) {
        g_settingsProblem = QStringLiteral("The settings file \"%1\" can't be used: %2.")
                                .arg(QDir::toNativeSeparators(path), contents.reason);
        return std::nullopt;
    }
    QList<QByteArray> raws = contents.bytes.split('\n');
    file.endsWithNewline = contents.bytes.isEmpty() || contents.bytes.endsWith('\n');
    if (file.endsWithNewline)
        raws.removeLast(); // what follows the last "\n"
    QString current;
    for (const QByteArray& raw : raws) {
        file.lines.push_back(ParseLine(raw, current));
        if (file.lines.back().kind == Line::kGroup)
            current = file.lines.back().group;
    }
    return file;
}

bool Save(const SettingsFile& file)
{
    const QString path = SettingsFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QByteArray content;
    for (size_t i = 0; i < file.lines.size(); ++i) {
        content += file.lines[i].raw;
        if (i + 1 < file.lines.size() || file.endsWithNewline)
            content += '\n';
    }
    // Whole or not at all: a full disk must not leave a cut-off file in
    // place of the password and the alignments.
    CheckedSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(content);
    return out.CommitWhole();
}

std::optional<Value> OpenAndRead(const QString& keyPath, const QString& valueName)
{
    // Reading creates nothing: the file changes only when a value does.
    std::optional<SettingsFile> file = Load();
    if (!file)
        return std::nullopt;
    if (const Line* line = file->Find(keyPath, valueName))
        return line->value;
    return std::nullopt;
}

bool OpenAndWrite(const QString& keyPath, Value value)
{
    if (g_settingsReadOnly)
        return false;
    std::optional<SettingsFile> file = Load();
    if (!file)
        return false;
    // A line ends as the file's lines end ("\r\n" in a file from Windows).
    const bool crlf = !file->lines.empty() && file->lines.front().raw.endsWith('\r');
    auto encode = [&](const QString& text) { return text.toUtf8() + (crlf ? QByteArray("\r") : QByteArray()); };

    if (Line* existing = file->Find(keyPath, value.name)) {
        if (existing->value.SameAs(value))
            return true;                   // nothing changes, nothing is written
        value.name = existing->value.name; // the name as the file spells it
        const bool lineCrlf = existing->raw.endsWith('\r');
        existing->raw = FormatValue(value).toUtf8() + (lineCrlf ? QByteArray("\r") : QByteArray());
        existing->value = std::move(value);
        return Save(*file);
    }
    Line line;
    line.kind = Line::kValue;
    line.group = keyPath;
    line.raw = encode(FormatValue(value));
    line.value = std::move(value);

    // Into the key's group, after its last value; else a new group at the end.
    std::optional<size_t> after;
    bool inGroup = false;
    for (size_t i = 0; i < file->lines.size(); ++i) {
        const Line& l = file->lines[i];
        if (l.kind == Line::kGroup) {
            if (after)
                break; // the first group of that path only
            inGroup = l.group.compare(keyPath, Qt::CaseInsensitive) == 0;
            if (inGroup)
                after = i;
        } else if (inGroup && l.kind == Line::kValue) {
            after = i;
        }
    }
    if (after) {
        line.group = file->lines[*after].group;
        file->lines.insert(file->lines.begin() + qsizetype(*after) + 1, std::move(line));
    } else {
        if (!file->lines.empty() && !file->lines.back().raw.trimmed().isEmpty())
            file->lines.push_back(ParseLine(encode(QString()), QString()));
        Line header;
        header.kind = Line::kGroup;
        header.group = keyPath;
        header.raw = encode(u'[' + keyPath + u']');
        file->lines.push_back(std::move(header));
        file->lines.push_back(std::move(line));
    }
    // A line added after a last line without "\n" starts on a line of its own.
    file->endsWithNewline = true;
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
    return XdgBaseFolder("XDG_CONFIG_HOME", QStringLiteral(".config"))
           + QStringLiteral("/Brindlecove/Formlark (2005).ini");
}

void SetSettingsFile(const QString& path)
{
    g_settingsFile = path;
}

void SetSettingsReadOnly(bool readOnly)
{
    g_settingsReadOnly = readOnly;
}

QString SettingsFileProblem()
{
    Load();
    return g_settingsProblem;
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
