// The source tree keeps its layers: core (no painting, no widgets) below
// render below gui below app. A file may include only from its own layer
// and the layers below it, and neither the folders nor the units (a source
// file with its header) include each other in a circle, so every folder can
// be read, built and tested without the ones above it.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <functional>

namespace {

const QStringList kLayers = {QStringLiteral("core"), QStringLiteral("render"), QStringLiteral("gui"),
                             QStringLiteral("app")};

// "core/store/CompanyStore.h" -> "core/store"; "app/CommandLine.h" ->
// "app": a layer with subsystem folders counts each of them apart.
QString FolderOf(const QString& path)
{
    const QStringList parts = path.split(QLatin1Char('/'));
    if (parts.size() >= 3)
        return parts[0] + QLatin1Char('/') + parts[1];
    return parts[0];
}

// "core/store/CompanyData.cpp" and "core/store/CompanyData.h" ->
// "core/store/CompanyData": a source file and its header are one unit.
QString UnitOf(const QString& path)
{
    return path.left(path.lastIndexOf(QLatin1Char('.')));
}

int LayerOf(const QString& path)
{
    return kLayers.indexOf(path.section(QLatin1Char('/'), 0, 0));
}

struct Include {
    QString file;   // the including file, relative to the source root
    QString target; // the included path as written
};

// Every quoted include of a source file of the four layers that names a
// file of one of them.
QList<Include> ProjectIncludes(const QString& root)
{
    static const QRegularExpression includeLine(QStringLiteral("^\\s*#\\s*include\\s*\"([^\"]+)\""),
                                                QRegularExpression::MultilineOption);
    QList<Include> includes;
    for (const QString& layer : kLayers) {
        QDirIterator it(root + QLatin1Char('/') + layer, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QString text = QString::fromUtf8(file.readAll());
            const QString relative = QDir(root).relativeFilePath(path);
            auto matches = includeLine.globalMatch(text);
            while (matches.hasNext()) {
                const QString target = matches.next().captured(1);
                if (LayerOf(target) >= 0)
                    includes.push_back({relative, target});
            }
        }
    }
    return includes;
}

// A circle of folders in `edges`, as "a -> b -> a", or empty.
QString FindCircle(const QMap<QString, QSet<QString>>& edges)
{
    enum Mark { kUnseen, kOnPath, kDone };
    QMap<QString, Mark> marks;
    QStringList path;
    std::function<QString(const QString&)> visit = [&](const QString& folder) -> QString {
        marks[folder] = kOnPath;
        path.push_back(folder);
        for (const QString& next : edges.value(folder)) {
            if (marks.value(next, kUnseen) == kOnPath)
                return (path.mid(path.indexOf(next)) << next).join(QStringLiteral(" -> "));
            if (marks.value(next, kUnseen) == kUnseen) {
                const QString circle = visit(next);
                if (!circle.isEmpty())
                    return circle;
            }
        }
        path.pop_back();
        marks[folder] = kDone;
        return QString();
    };
    for (auto it = edges.begin(); it != edges.end(); ++it)
        if (marks.value(it.key(), kUnseen) == kUnseen) {
            const QString circle = visit(it.key());
            if (!circle.isEmpty())
                return circle;
        }
    return QString();
}

} // namespace

class LayeringTest : public QObject {
    Q_OBJECT

private slots:
    void noFileIncludesALayerAboveItsOwn()
    {
        const QList<Include> includes = ProjectIncludes(QStringLiteral(FORMLARK_SOURCE_DIR));
        QVERIFY2(includes.size() > 100, "the source tree was not found");
        QStringList upward;
        for (const Include& include : includes)
            if (LayerOf(include.target) > LayerOf(include.file))
                upward << include.file + QStringLiteral(" includes ") + include.target;
        QVERIFY2(upward.isEmpty(), qPrintable(upward.join(QLatin1Char('\n'))));
    }

    void noFoldersIncludeEachOtherInACircle()
    {
        QMap<QString, QSet<QString>> edges;
        for (const Include& include : ProjectIncludes(QStringLiteral(FORMLARK_SOURCE_DIR))) {
            const QString from = FolderOf(include.file);
            const QString to = FolderOf(include.target);
            if (from != to)
                edges[from].insert(to);
        }
        const QString circle = FindCircle(edges);
        QVERIFY2(circle.isEmpty(), qPrintable(QStringLiteral("folders include each other: ") + circle));
    }

    // A unit that includes another that includes it back can be neither
    // read nor tested without the other: the two are one unit in two
    // pieces, or one of them holds what belongs to a third.
    void noUnitsIncludeEachOtherInACircle()
    {
        QMap<QString, QSet<QString>> edges;
        for (const Include& include : ProjectIncludes(QStringLiteral(FORMLARK_SOURCE_DIR))) {
            const QString from = UnitOf(include.file);
            const QString to = UnitOf(include.target);
            if (from != to)
                edges[from].insert(to);
        }
        const QString circle = FindCircle(edges);
        QVERIFY2(circle.isEmpty(), qPrintable(QStringLiteral("units include each other: ") + circle));
    }

    // Screens change a company only through the document's operations: no
    // window builds a queued change or opens a store.
    void windowsNeverTouchTheStore()
    {
        static const QRegularExpression storeWord(
            QStringLiteral("\\b(ChangeRecord|CompanyStore|QueueChange|WriteChanges|LoadCompany)\\b"));
        QStringList touching;
        const QString root = QStringLiteral(FORMLARK_SOURCE_DIR);
        QDirIterator it(root + QStringLiteral("/gui"), {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (file.open(QIODevice::ReadOnly) && storeWord.match(QString::fromUtf8(file.readAll())).hasMatch())
                touching << QDir(root).relativeFilePath(file.fileName());
        }
        QVERIFY2(touching.isEmpty(), qPrintable(touching.join(QLatin1Char('\n'))));
    }

    void theCheckSeesCircles()
    {
        QMap<QString, QSet<QString>> edges;
        edges[QStringLiteral("gui/shell")] = {QStringLiteral("gui/records")};
        edges[QStringLiteral("gui/records")] = {QStringLiteral("gui/controls")};
        QCOMPARE(FindCircle(edges), QString());
        edges[QStringLiteral("gui/controls")] = {QStringLiteral("gui/shell")};
        QCOMPARE(FindCircle(edges), QStringLiteral("gui/controls -> gui/shell -> gui/records -> gui/controls"));
    }
};

FORMLARK_TEST_APPLESS_MAIN(LayeringTest)
#include "LayeringTest.moc"
