// A command's declared syntax: how its command line is read and refused,
// and the usage and help made from the declaration.
#include "app/CommandSyntax.h"

#include <QtTest>

namespace {

const CommandSyntax& Syntax()
{
    static const CommandSyntax syntax{
        .name = "demo",
        .purpose = "Does what a demo does.",
        .options =
            {
                {.name = "--company", .value = "NAME", .required = true, .help = "the company"},
                {.name = "--form", .choices = {"w2", "1099"}, .help = "the form"},
                {.name = "--all", .group = "target", .help = "every form"},
                {.name = "--current", .group = "target", .help = "one form"},
                {.name = "--offset", .value = "INCHES", .help = "a distance"},
                {.name = "FILE", .value = "the CSV FILE", .required = true, .help = "the file"},
            },
        .problemsFound = "it found something",
    };
    return syntax;
}

} // namespace

class CommandSyntaxTest : public QObject {
    Q_OBJECT

private slots:
    // Each command line: what is read, or the one line that refuses it.
    void commandLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("refusal"); // empty: read
        QTest::addColumn<QString>("read");    // "option=value;..." of what was read
        const QStringList c = {"--company", "Acme", "in.csv"};
        QTest::newRow("separate value") << c << ""
                                        << "--company=Acme;FILE=in.csv";
        QTest::newRow("joined value") << QStringList{"--company=Acme Tools", "in.csv"} << ""
                                      << "--company=Acme Tools;FILE=in.csv";
        QTest::newRow("choice in any case") << c + QStringList{"--form", "W2"} << ""
                                            << "--company=Acme;--form=w2;FILE=in.csv";
        QTest::newRow("a flag") << c + QStringList{"--all"} << ""
                                << "--all=;--company=Acme;FILE=in.csv";
        QTest::newRow("a negative value") << c + QStringList{"--offset", "-0.5"} << ""
                                          << "--company=Acme;--offset=-0.5;FILE=in.csv";
        QTest::newRow("a file after --") << QStringList{"--company", "Acme", "--", "--odd.csv"} << ""
                                         << "--company=Acme;FILE=--odd.csv";
        QTest::newRow("a lone dash is a file") << QStringList{"--company", "Acme", "-"} << ""
                                               << "--company=Acme;FILE=-";
        QTest::newRow("unknown option") << c + QStringList{"--colour=red"}
                                        << "unknown option \"--colour=red\" (see formlark demo --help)"
                                        << "";
        QTest::newRow("unknown short option")
            << c + QStringList{"-x"} << "unknown option \"-x\" (see formlark demo --help)"
            << "";
        QTest::newRow("repeated option") << c + QStringList{"--company=Other"}
                                         << "--company is given more than once; give it once"
                                         << "";
        QTest::newRow("repeated flag") << c + QStringList{"--all", "--all"}
                                       << "--all is given more than once; give it once"
                                       << "";
        QTest::newRow("options that exclude each other")
            << c + QStringList{"--all", "--current"} << "--all and --current exclude each other"
            << "";
        QTest::newRow("missing value") << QStringList{"in.csv", "--company"} << "--company needs a value"
                                       << "";
        QTest::newRow("empty value") << QStringList{"in.csv", "--company="} << "--company needs a value"
                                     << "";
        QTest::newRow("an option for the value")
            << QStringList{"--company", "--all", "in.csv"} << "--company needs a value, not the option \"--all\""
            << "";
        QTest::newRow("a value for a flag") << c + QStringList{"--all=yes"} << "--all takes no value (\"--all=yes\")"
                                            << "";
        QTest::newRow("a choice not listed")
            << c + QStringList{"--form", "w3"} << "--form must be w2 or 1099, not \"w3\""
            << "";
        QTest::newRow("two files") << c + QStringList{"more.csv"}
                                   << "one FILE only, not \"in.csv\" as well as \"more.csv\""
                                   << "";
        QTest::newRow("required option missing") << QStringList{"in.csv"} << "--company NAME is required"
                                                 << "";
        QTest::newRow("required file missing") << QStringList{"--company", "Acme"} << "the CSV FILE is required"
                                               << "";
    }

    void commandLines()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, read);
        CommandOptions options;
        const CommandLineReading reading = Syntax().Read(arguments, options);
        QVERIFY(!reading.help);
        QTEST(reading.refusal, "refusal");
        if (!reading.refusal.isEmpty())
            return;
        QStringList found;
        for (const char* name : {"--all", "--company", "--current", "--form", "--offset", "FILE"})
            if (options.Has(name))
                found << QStringLiteral("%1=%2").arg(QLatin1String(name), options.Value(name));
        QCOMPARE(found.join(';'), read);
    }

    // --help (or -h) answers wherever it stands, before anything else is
    // refused; given a value, it is refused like any flag.
    void helpIsAnsweredFirst()
    {
        CommandOptions options;
        QVERIFY(Syntax().Read({"--help"}, options).help);
        QVERIFY(Syntax().Read({"--company", "Acme", "-h", "--frob"}, options).help);
        const CommandLineReading valued = Syntax().Read({"--help=me"}, options);
        QVERIFY(!valued.help);
        QCOMPARE(valued.refusal, QStringLiteral("--help takes no value (\"--help=me\")"));
    }

    // A group of required options needs one of them.
    void aRequiredGroupNeedsOne()
    {
        const CommandSyntax syntax{
            .name = "pick",
            .options = {{.name = "--company", .value = "NAME", .required = true, .group = "which"},
                        {.name = "--all", .required = true, .group = "which"}},
        };
        CommandOptions options;
        QCOMPARE(syntax.Read({}, options).refusal, QStringLiteral("give either --company NAME or --all"));
        QCOMPARE(syntax.Read({"--all"}, options).refusal, QString());
        QCOMPARE(syntax.Usage(), QStringLiteral("usage: formlark pick (--company NAME | --all)\n"));
    }

    // The usage lists the options as declared, optional ones in brackets,
    // a group as one part; long usages wrap under the command, never
    // inside a part. The help names every option and the exit status.
    void usageAndHelpComeFromTheDeclaration()
    {
        QCOMPARE(Syntax().Usage(),
                 QStringLiteral("usage: formlark demo --company NAME [--form w2|1099] [--all | --current]\n"
                                "                     [--offset INCHES] FILE\n"));
        const QString help = Syntax().Help();
        QVERIFY(help.startsWith(Syntax().Usage() + "\nDoes what a demo does.\n\n"));
        for (const char* line : {"  --company NAME        the company\n", "  --form w2|1099        the form\n",
                                 "  FILE                  the file\n", "  -h, --help            show this help\n"})
            QVERIFY2(help.contains(QLatin1String(line)), line);
        QVERIFY(help.simplified().endsWith(
            "Exit status: 0 when done; 1 when it found something; 2 when it could not run (a bad command line, an "
            "unknown company, an unreadable store, a file that can't be used)."));
        for (const QString& line : help.split('\n'))
            QVERIFY2(line.size() <= 79, qPrintable(line));
    }
};

FORMLARK_TEST_GUILESS_MAIN(CommandSyntaxTest)
#include "CommandSyntaxTest.moc"
