#include "app/CommandSyntax.h"

#include <QSet>

namespace {

constexpr int kLineWidth = 79;
constexpr int kHelpColumn = 24; // where the help of an option starts

// `text` in lines of at most kLineWidth characters (a longer word stays
// whole), the first starting at `firstColumn` (the caller has written that
// much of it), the others indented to `indent`.
QString Wrapped(const QString& text, int firstColumn, int indent)
{
    QString out;
    int column = firstColumn;
    bool lineStarted = false;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (lineStarted && column + 1 + word.size() > kLineWidth) {
            out += u'\n' + QString(indent, u' ');
            column = indent;
            lineStarted = false;
        }
        if (lineStarted) {
            out += u' ';
            ++column;
        }
        out += word;
        column += int(word.size());
        lineStarted = true;
    }
    return out;
}

QString Quoted(const QString& text)
{
    return u'"' + text + u'"';
}

// "a, b or c"
QString Listed(const QStringList& items, const char* last)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QLatin1String(last) + items.last();
}

QString CommandHelpHint(const char* command)
{
    return QStringLiteral(" (see formlark %1 --help)").arg(QLatin1String(command));
}

} // namespace

QString OptionSyntax::Written() const
{
    if (IsFile())
        return QLatin1String(name);
    QString written = QLatin1String(name);
    if (!choices.empty()) {
        QStringList values;
        for (const char* choice : choices)
            values << QLatin1String(choice);
        written += u' ' + values.join(u'|');
    } else if (value) {
        written += u' ' + QLatin1String(value);
    }
    return written;
}

const OptionSyntax* CommandSyntax::Find(const QString& optionName) const
{
    for (const OptionSyntax& option : options)
        if (!option.IsFile() && optionName == QLatin1String(option.name))
            return &option;
    return nullptr;
}

QString CommandSyntax::Usage() const
{
    QStringList parts;
    QSet<QString> groupsWritten;
    for (const OptionSyntax& option : options) {
        if (option.group) {
            const QString group = QLatin1String(option.group);
            if (groupsWritten.contains(group))
                continue;
            groupsWritten.insert(group);
            QStringList members;
            for (const OptionSyntax& member : options)
                if (member.group && group == QLatin1String(member.group))
                    members << member.Written();
            const QString joined = members.join(QStringLiteral(" | "));
            parts << (option.required ? u'(' + joined + u')' : u'[' + joined + u']');
            continue;
        }
        parts << (option.required ? option.Written() : u'[' + option.Written() + u']');
    }
    const QString start = QStringLiteral("usage: formlark %1 ").arg(QLatin1String(name));
    // An optional part ("[--all | --current]") is kept on one line.
    for (QString& part : parts)
        part.replace(u' ', QChar(0xa0));
    QString usage = start + Wrapped(parts.join(u' '), int(start.size()), int(start.size()));
    return usage.replace(QChar(0xa0), u' ') + u'\n';
}

QString CommandSyntax::Help() const
{
    QString help = Usage() + u'\n';
    for (const QString& paragraph : QString::fromUtf8(purpose).split(QStringLiteral("\n\n")))
        help += Wrapped(paragraph.simplified(), 0, 0) + QStringLiteral("\n\n");
    auto describe = [&help](const QString& written, const QString& text) {
        QString line = QStringLiteral("  ") + written;
        if (line.size() + 2 > kHelpColumn)
            line += u'\n' + QString(kHelpColumn, u' ');
        else
            line += QString(kHelpColumn - line.size(), u' ');
        help += line + Wrapped(text.simplified(), kHelpColumn, kHelpColumn) + u'\n';
    };
    for (const OptionSyntax& option : options)
        describe(option.Written(), QString::fromUtf8(option.help));
    describe(QStringLiteral("-h, --help"), QStringLiteral("show this help"));
    help += u'\n' + Wrapped(ExitStatusText(problemsFound), 0, 0) + u'\n';
    return help;
}

CommandLineReading CommandSyntax::Read(const QStringList& arguments, CommandOptions& out) const
{
    auto refuse = [](const QString& refusal) { return CommandLineReading{false, refusal}; };
    const OptionSyntax* file = nullptr;
    for (const OptionSyntax& option : options)
        if (option.IsFile())
            file = &option;

    QHash<QString, QString>& values = out.values_;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool looksLikeOption = argument.startsWith(u'-') && argument != QLatin1String("-");
        if (optionsEnded || !looksLikeOption) {
            if (!file)
                return refuse(QStringLiteral("unexpected argument %1%2").arg(Quoted(argument), CommandHelpHint(name)));
            const QString placeholder = QLatin1String(file->name);
            if (values.contains(placeholder))
                return refuse(QStringLiteral("one %1 only, not %2 as well as %3")
                                  .arg(placeholder, Quoted(values.value(placeholder)), Quoted(argument)));
            values.insert(placeholder, argument);
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        // "--name=value"
        QString optionName = argument;
        QString value;
        bool hasValue = false;
        const qsizetype equals = argument.indexOf(u'=');
        if (argument.startsWith(QLatin1String("--")) && equals > 2) {
            optionName = argument.left(equals);
            value = argument.mid(equals + 1);
            hasValue = true;
        }
        if (optionName == QLatin1String("--help") || optionName == QLatin1String("-h")) {
            if (hasValue)
                return refuse(QStringLiteral("%1 takes no value (%2)").arg(optionName, Quoted(argument)));
            return {true, QString()};
        }
        const OptionSyntax* option = Find(optionName);
        if (!option)
            return refuse(QStringLiteral("unknown option %1%2").arg(Quoted(argument), CommandHelpHint(name)));
        if (values.contains(optionName))
            return refuse(QStringLiteral("%1 is given more than once; give it once").arg(optionName));
        if (option->group) {
            for (const OptionSyntax& other : options)
                if (other.group && qstrcmp(other.group, option->group) == 0
                    && values.contains(QLatin1String(other.name)))
                    return refuse(
                        QStringLiteral("%1 and %2 exclude each other").arg(QLatin1String(other.name), optionName));
        }
        if (!option->TakesValue()) {
            if (hasValue)
                return refuse(QStringLiteral("%1 takes no value (%2)").arg(optionName, Quoted(argument)));
            values.insert(optionName, QString());
            continue;
        }
        if (!hasValue) {
            if (i + 1 >= arguments.size())
                return refuse(QStringLiteral("%1 needs a value").arg(optionName));
            value = arguments[++i];
        }
        // A forgotten value: the next option is never taken for it.
        if (value.startsWith(QLatin1String("--")))
            return refuse(QStringLiteral("%1 needs a value, not the option %2").arg(optionName, Quoted(value)));
        if (value.isEmpty())
            return refuse(QStringLiteral("%1 needs a value").arg(optionName));
        if (!option->choices.empty()) {
            QStringList choices;
            QString chosen;
            for (const char* choice : option->choices) {
                choices << QLatin1String(choice);
                if (value.compare(QLatin1String(choice), Qt::CaseInsensitive) == 0)
                    chosen = QLatin1String(choice);
            }
            if (chosen.isEmpty())
                return refuse(
                    QStringLiteral("%1 must be %2, not %3").arg(optionName, Listed(choices, " or "), Quoted(value)));
            value = chosen;
        }
        values.insert(optionName, value);
    }

    QSet<QString> groupsChecked;
    for (const OptionSyntax& option : options) {
        if (!option.required)
            continue;
        if (option.IsFile()) {
            if (!values.contains(QLatin1String(option.name)))
                return refuse(QStringLiteral("%1 is required").arg(QLatin1String(option.value)));
            continue;
        }
        if (!option.group) {
            if (!values.contains(QLatin1String(option.name)))
                return refuse(QStringLiteral("%1 is required").arg(option.Written()));
            continue;
        }
        const QString group = QLatin1String(option.group);
        if (groupsChecked.contains(group))
            continue;
        groupsChecked.insert(group);
        QStringList members;
        bool given = false;
        for (const OptionSyntax& member : options) {
            if (!member.group || group != QLatin1String(member.group))
                continue;
            members << member.Written();
            given = given || values.contains(QLatin1String(member.name));
        }
        if (!given)
            return refuse(QStringLiteral("give either %1").arg(Listed(members, " or ")));
    }
    return {};
}

QString ExitStatusText(const char* problemsFound)
{
    QString text = QStringLiteral("Exit status: 0 when done");
    if (problemsFound)
        text += QStringLiteral("; 1 when %1").arg(QString::fromUtf8(problemsFound));
    return text
           + QStringLiteral("; 2 when it could not run (a bad command line, an unknown company, an unreadable "
                            "store, a file that can't be used).");
}
