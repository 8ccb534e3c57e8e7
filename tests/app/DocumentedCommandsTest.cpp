// The README, the manual page and the help page name the commands the
// program has, each with the options it declares.
#include "app/ProgramCommands.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

namespace {

QString Source(const char* file)
{
    QFile source(QStringLiteral(FORMLARK_SOURCE_DIR "/") + QLatin1String(file));
    return source.open(QIODevice::ReadOnly) ? QString::fromUtf8(source.readAll()) : QString();
}

QStringList CommandNames()
{
    QStringList names;
    for (const ProgramCommand* command : ProgramCommandList())
        names << QLatin1String(command->syntax().name);
    return names;
}

// The commands a sentence "The commands are `a`, `b` and `c`" lists, in
// the markup `quote` of the file.
QStringList ListedCommands(const QString& text, const QString& open, const QString& close)
{
    const qsizetype start = text.indexOf(QStringLiteral("The commands are "));
    const qsizetype end = text.indexOf(u';', start);
    if (start < 0 || end < 0)
        return {};
    QStringList names;
    const QRegularExpression quoted(QRegularExpression::escape(open) + "([a-z-]+)" + QRegularExpression::escape(close));
    for (auto it = quoted.globalMatch(text.mid(start, end - start)); it.hasNext();)
        names << it.next().captured(1);
    return names;
}

// The text of the usage lines of `command` in the README: each indented
// line "formlark COMMAND ..." with the lines that continue it.
QString ReadmeUsage(const QString& readme, const QString& command)
{
    QString usage;
    bool inUsage = false;
    for (const QString& line : readme.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (line.startsWith(QStringLiteral("    formlark ")))
            inUsage = trimmed.startsWith(QStringLiteral("formlark ") + command + u' ');
        else if (!line.startsWith(QStringLiteral("        ")))
            inUsage = false;
        if (inUsage)
            usage += trimmed + u' ';
    }
    return usage;
}

// The synopsis of `command` in the manual page: from ".B formlark COMMAND"
// to the next ".br", with the page's escapes undone.
QString ManualSynopsis(const QString& page, const QString& command)
{
    QString escaped = command;
    escaped.replace(u'-', QStringLiteral("\\-"));
    const qsizetype start = page.indexOf(QStringLiteral(".B formlark ") + escaped + u'\n');
    if (start < 0)
        return {};
    QString synopsis = page.mid(start, page.indexOf(QStringLiteral(".br"), start) - start);
    return synopsis.replace(QStringLiteral("\\-"), QStringLiteral("-"));
}

} // namespace

class DocumentedCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void everyDocumentListsTheProgramsCommands()
    {
        const QStringList names = CommandNames();
        QCOMPARE(ListedCommands(Source("README.md"), "`", "`"), names);
        QCOMPARE(ListedCommands(Source("resources/help/formlark2005.html"), "<code>", "</code>"), names);
        QCOMPARE(ProgramCommandNames(), names.join(QStringLiteral(", ")));
        QVERIFY(ProgramUsageLine().contains(ProgramCommandNames()));
    }

    // The README's and the manual page's usage of each command name every
    // option the command declares.
    void everyDocumentedUsageNamesEveryOption()
    {
        const QString readme = Source("README.md");
        const QString page = Source("resources/desktop/formlark.1.in");
        for (const ProgramCommand* command : ProgramCommandList()) {
            const CommandSyntax& syntax = command->syntax();
            const QString name = QLatin1String(syntax.name);
            const QString usage = ReadmeUsage(readme, name);
            const QString synopsis = ManualSynopsis(page, name);
            QVERIFY2(!usage.isEmpty(), qPrintable("the README has no usage of " + name));
            QVERIFY2(!synopsis.isEmpty(), qPrintable("the manual page has no synopsis of " + name));
            for (const OptionSyntax& option : syntax.options) {
                const QString written = QLatin1String(option.name);
                QVERIFY2(usage.contains(written), qPrintable("README: " + name + " " + written));
                QVERIFY2(synopsis.contains(written), qPrintable("manual page: " + name + " " + written));
                for (const char* choice : option.choices) {
                    QVERIFY2(usage.contains(QLatin1String(choice)), qPrintable("README: " + name + " " + choice));
                    QVERIFY2(synopsis.contains(QLatin1String(choice)),
                             qPrintable("manual page: " + name + " " + choice));
                }
            }
        }
    }
};

FORMLARK_TEST_GUILESS_MAIN(DocumentedCommandsTest)
#include "DocumentedCommandsTest.moc"
