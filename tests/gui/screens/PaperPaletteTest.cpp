// The screens of the right pane are paper under any desktop theme: with a
// dark palette and a large font, every label, heading, box, check box,
// button, tab and list heading of every screen is dark ink that stands
// clearly apart from its ground, and list headings fit their columns.
#include "core/document/GlobalDoc.h"
#include "core/document/RunStart.h"
#include "core/navigation/Navigation.h"
#include "gui/screens/PaperPalette.h"
#include "gui/shell/MainFrame.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TestFolders.h"
#include "tests/support/TestStores.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include <memory>

namespace {

// A dark desktop theme of the common kind: light text on dark grounds.
QPalette DarkPalette()
{
    QPalette dark(QColor(0x40, 0x40, 0x40), QColor(0x30, 0x30, 0x30));
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        dark.setColor(group, QPalette::WindowText, QColor(0xf0, 0xf0, 0xf0));
        dark.setColor(group, QPalette::Text, QColor(0xf0, 0xf0, 0xf0));
        dark.setColor(group, QPalette::ButtonText, QColor(0xf0, 0xf0, 0xf0));
        dark.setColor(group, QPalette::Base, QColor(0x24, 0x24, 0x24));
        dark.setColor(group, QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    }
    return dark;
}

int Grey(QRgb pixel)
{
    return qGray(pixel);
}

// How many pixels of `image` stand clearly apart from its commonest colour,
// the ground: the ink of its text.
int InkPixels(const QImage& image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb ground = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            ground = it.key();
        }
    int ink = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (std::abs(Grey(it.key()) - Grey(ground)) >= 100)
            ink += it.value();
    return ink;
}

// Whether `widget` shows text of its own.
bool ShowsText(const QWidget* widget)
{
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return !label->text().trimmed().isEmpty();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return !button->text().isEmpty();
    if (auto* box = qobject_cast<const QLineEdit*>(widget))
        return !box->text().isEmpty();
    return qobject_cast<const QTabBar*>(widget) || qobject_cast<const QHeaderView*>(widget);
}

QString Describe(const QWidget* widget)
{
    QString text;
    if (auto* label = qobject_cast<const QLabel*>(widget))
        text = label->text();
    else if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        text = button->text();
    else if (auto* box = qobject_cast<const QLineEdit*>(widget))
        text = box->text();
    return QStringLiteral("%1 %2 \"%3\"").arg(widget->metaObject()->className(), widget->objectName(), text);
}

// Every text the screen shows now is ink on its ground; every list heading
// fits its column.
void CheckShownTexts(QWidget* screen)
{
    int checked = 0;
    for (QWidget* widget : screen->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(screen) || widget->size().isEmpty() || !ShowsText(widget))
            continue;
        const QImage picture = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY2(InkPixels(picture) >= 8, qPrintable(Describe(widget)));
        ++checked;
        if (auto* header = qobject_cast<QHeaderView*>(widget)) {
            const QFontMetrics metrics(header->font());
            for (int section = 0; section < header->count(); ++section) {
                const QString heading = header->model()->headerData(section, Qt::Horizontal).toString();
                QVERIFY2(header->sectionSize(section) > metrics.horizontalAdvance(heading), qPrintable(heading));
            }
        }
    }
    QVERIFY(checked > 0);
}

} // namespace

class PaperPaletteTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setPalette(DarkPalette());
        QFont large = QApplication::font();
        large.setPointSize(16);
        QApplication::setFont(large);
    }

    void everyRoleIsSet()
    {
        // A role left unset would be the desktop's, and a dark one shows.
        const QPalette paper = PaperPalette();
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            if (role == QPalette::NoRole)
                continue;
            QVERIFY2(paper.isBrushSet(QPalette::Active, QPalette::ColorRole(role)), qPrintable(QString::number(role)));
            QVERIFY(paper.isBrushSet(QPalette::Disabled, QPalette::ColorRole(role)));
        }
        for (QPalette::ColorRole ink : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            QVERIFY(Grey(paper.color(ink).rgb()) < 60);
        for (QPalette::ColorRole ground : {QPalette::Window, QPalette::Base})
            QCOMPARE(paper.color(ground), QColor(Qt::white));
    }

    void everyScreenIsInkOnPaper_data()
    {
        QTest::addColumn<Screen>("screen");
        QTest::newRow("welcome") << Screen::Welcome;
        QTest::newRow("company setup") << Screen::CompanySetup;
        QTest::newRow("employees") << Screen::Employees;
        QTest::newRow("contractors") << Screen::Contractors;
        QTest::newRow("W-2") << Screen::W2;
        QTest::newRow("W-3") << Screen::W3;
        QTest::newRow("1099-MISC") << Screen::Form1099;
        QTest::newRow("1096") << Screen::Form1096;
    }

    void everyScreenIsInkOnPaper()
    {
        QFETCH(Screen, screen);
        TestFolders folders;
        ScriptedPrompt prompt;
        ScriptedDialogs dialogs;
        CGlobalDoc document;
        MakeStoreWithStaff(folders.DataFolder(), "Sample Company.pmt", "Sample Company", {1, 2}, {1, 2});
        QVERIFY(RunStart(document).OpenFirstCompany());
        CMainFrame frame(document, &dialogs);
        frame.resize(1400, 1000);
        frame.show();
        frame.RefreshAllViews();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        frame.ShowScreen(screen);
        QApplication::processEvents();
        QWidget* view = frame.View(screen);
        QVERIFY(view->isVisible());

        // The company setup shows one page at a time: each in turn.
        const QList<QTabWidget*> pages = view->findChildren<QTabWidget*>();
        if (pages.isEmpty()) {
            CheckShownTexts(view);
            return;
        }
        for (int page = 0; page < pages.first()->count(); ++page) {
            pages.first()->setCurrentIndex(page);
            QApplication::processEvents();
            CheckShownTexts(view);
            if (QTest::currentTestFailed())
                return;
        }
    }
};

FORMLARK_TEST_MAIN(PaperPaletteTest)
#include "PaperPaletteTest.moc"
