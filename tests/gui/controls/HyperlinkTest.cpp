#include "core/links/HyperlinkErrors.h"
#include "gui/controls/HyperlinkLabel.h"
#include "core/links/MakerLinks.h"
#include "gui/screens/WelcomeScreen.h"
#include "tests/support/ScriptedPrompt.h"

#include <QTest>

namespace {

// Stands in for the desktop: answers every open with `result` and keeps
// what it was asked to open. Installed while it lives.
struct FakeDesktop {
    explicit FakeDesktop(int answer)
        : result(answer)
    {
        SetHyperlinkOpener([this](const QUrl& url) {
            opened << url;
            return result;
        });
    }
    ~FakeDesktop() { SetHyperlinkOpener(nullptr); }

    int result;
    QList<QUrl> opened;
};

} // namespace

class HyperlinkTest : public QObject {
    Q_OBJECT

private slots:
    void errorTexts_data();
    void errorTexts();
    void successfulOpenMarksVisited();
    void failedOpenBeepsAndExplains_data();
    void failedOpenBeepsAndExplains();
    void pressReleasedElsewhereOpensNothing();
    void targetAndTooltip();
    void hoverColour();
    void fitsToTextKeepingAlignment_data();
    void fitsToTextKeepingAlignment();
    void welcomeScreenLinks();
    void welcomeLinksOpenTheirTargets();
};

void HyperlinkTest::errorTexts_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("text");

    QTest::newRow("0") << 0 << "The operating system is out\nof memory or resources.";
    QTest::newRow("2") << 2 << "The specified file was not found.";
    QTest::newRow("3") << 3 << "The specified path was not found.";
    QTest::newRow("5") << 5 << "The operating system denied\naccess to the specified file.";
    QTest::newRow("8") << 8 << "There was not enough memory to complete the operation.";
    QTest::newRow("11") << 11 << "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
    QTest::newRow("26, trailing blank") << 26 << "A sharing violation occurred. ";
    QTest::newRow("27") << 27 << "The filename association is\nincomplete or invalid.";
    QTest::newRow("28") << 28 << "The DDE transaction could not\nbe completed because the request timed out.";
    QTest::newRow("29") << 29 << "The DDE transaction failed.";
    QTest::newRow("30") << 30
                        << "The DDE transaction could not\nbe completed because other DDE transactions\nwere being "
                           "processed.";
    QTest::newRow("31") << 31 << "There is no application associated\nwith the given filename extension.";
    QTest::newRow("32") << 32 << "The specified dynamic-link library was not found.";
    QTest::newRow("unknown 1") << 1 << "Unknown Error (1) occurred.";
    QTest::newRow("unknown 4") << 4 << "Unknown Error (4) occurred.";
    QTest::newRow("unknown negative") << -7 << "Unknown Error (-7) occurred.";
}

void HyperlinkTest::errorTexts()
{
    QFETCH(int, result);
    QFETCH(QString, text);
    QCOMPARE(HyperlinkErrorText(result), text);
    QCOMPARE(HyperlinkFailureMessage(result), "Unable to open hyperlink:\n\n" + text);
    QVERIFY(!HyperlinkOpenSucceeded(result));
}

void HyperlinkTest::successfulOpenMarksVisited()
{
    FakeDesktop desktop(kHyperlinkOpened);
    ScriptedPrompt prompt;
    CHyperlinkLabel link(QStringLiteral("Brindlecove Products"));
    link.SetTarget(QStringLiteral("https://www.brindlecove.example/products"));
    link.SetLinkAppearance(true);
    link.show();
    QVERIFY(QTest::qWaitForWindowExposed(&link));
    QCOMPARE(link.TextColour(), QColor(0, 0, 238));
    QVERIFY(link.font().underline());

    QTest::mouseClick(&link, Qt::LeftButton);

    QCOMPARE(desktop.opened, QList<QUrl>{QUrl(QStringLiteral("https://www.brindlecove.example/products"))});
    QVERIFY(link.Visited());
    QVERIFY(prompt.asked.isEmpty());
    // Away from the mouse the link now shows its visited colour.
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&link, &leave);
    QCOMPARE(link.TextColour(), QColor(85, 26, 139));
}

void HyperlinkTest::failedOpenBeepsAndExplains_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message");

    QTest::newRow("no program for the address")
        << kHyperlinkNoAssociation
        << "Unable to open hyperlink:\n\nThere is no application associated\nwith the given filename extension.";
    QTest::newRow("a result the table does not know")
        << 17 << "Unable to open hyperlink:\n\nUnknown Error (17) occurred.";
}

void HyperlinkTest::failedOpenBeepsAndExplains()
{
    QFETCH(int, result);
    QFETCH(QString, message);

    FakeDesktop desktop(result);
    ScriptedPrompt prompt;
    CHyperlinkLabel link(QStringLiteral("info@brindlecove.example"));
    link.SetTarget(QStringLiteral("mailto:info@brindlecove.example"));
    link.SetLinkAppearance(true);
    link.show();
    QVERIFY(QTest::qWaitForWindowExposed(&link));

    QTest::mouseClick(&link, Qt::LeftButton);

    QCOMPARE(desktop.opened.size(), 1);
    QCOMPARE(prompt.asked, QStringList{message});
    QCOMPARE(prompt.icons, QList<PromptIcon>{PromptIcon::Exclamation});
    QCOMPARE(prompt.buttons, QList<PromptButtons>{PromptButtons::Ok});
    QVERIFY(!link.Visited());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&link, &leave);
    QCOMPARE(link.TextColour(), QColor(0, 0, 238));
}

void HyperlinkTest::pressReleasedElsewhereOpensNothing()
{
    FakeDesktop desktop(kHyperlinkOpened);
    CHyperlinkLabel link(QStringLiteral("Buy Formlark 2005"));
    link.show();
    QVERIFY(QTest::qWaitForWindowExposed(&link));

    QTest::mousePress(&link, Qt::LeftButton, {}, link.rect().center());
    QTest::mouseRelease(&link, Qt::LeftButton, {}, link.rect().bottomRight() + QPoint(30, 30));
    QTest::mouseClick(&link, Qt::RightButton);

    QVERIFY(desktop.opened.isEmpty());
    QVERIFY(!link.Visited());
}

void HyperlinkTest::targetAndTooltip()
{
    CHyperlinkLabel link(QStringLiteral("sales@brindlecove.example"));
    // Without a target of its own the link opens its text.
    QCOMPARE(link.Target(), QStringLiteral("sales@brindlecove.example"));
    QCOMPARE(link.toolTip(), QStringLiteral("sales@brindlecove.example"));
    link.SetTarget(QStringLiteral("mailto:sales@brindlecove.example"));
    QCOMPARE(link.Target(), QStringLiteral("mailto:sales@brindlecove.example"));
    QCOMPARE(link.toolTip(), QStringLiteral("mailto:sales@brindlecove.example"));
    // A new text does not replace a target that was set.
    link.SetText(QStringLiteral("Sales"));
    QCOMPARE(link.toolTip(), QStringLiteral("mailto:sales@brindlecove.example"));
    QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);
}

void HyperlinkTest::hoverColour()
{
    CHyperlinkLabel link(QStringLiteral("Brindlecove Products"));
    link.SetLinkAppearance(true);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(&link, &enter);
    QCOMPARE(link.TextColour(), QColor(255, 0, 0));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&link, &leave);
    QCOMPARE(link.TextColour(), QColor(0, 0, 238));

    // Plain text looks: no link colour, no underline.
    link.SetLinkAppearance(false);
    QVERIFY(link.TextColour() != QColor(0, 0, 238));
    QVERIFY(!link.font().underline());
}

void HyperlinkTest::fitsToTextKeepingAlignment_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("keptX"); // which x stays: 0 left, 1 centre, 2 right

    QTest::newRow("left") << int(Qt::AlignLeft | Qt::AlignVCenter) << 0;
    QTest::newRow("centre") << int(Qt::AlignHCenter | Qt::AlignVCenter) << 1;
    QTest::newRow("right") << int(Qt::AlignRight | Qt::AlignVCenter) << 2;
}

void HyperlinkTest::fitsToTextKeepingAlignment()
{
    QFETCH(int, alignment);
    QFETCH(int, keptX);

    QWidget parent;
    auto* link = new CHyperlinkLabel(QStringLiteral("x"), &parent);
    link->setAlignment(Qt::Alignment(alignment));
    const QRect before(100, 100, 300, 60);
    link->setGeometry(before);
    link->SetText(QStringLiteral("info@brindlecove.example"));

    const QRect after = link->geometry();
    QCOMPARE(after.size(), link->sizeHint());
    QVERIFY(after.width() < before.width());
    QVERIFY(qAbs(after.center().y() - before.center().y()) <= 1);
    switch (keptX) {
    case 0:
        QCOMPARE(after.left(), before.left());
        break;
    case 1:
        QVERIFY(qAbs(after.center().x() - before.center().x()) <= 1);
        break;
    default:
        QCOMPARE(after.right(), before.right());
        break;
    }
}

void HyperlinkTest::welcomeScreenLinks()
{
    CWelcomeScreen welcome;
    welcome.resize(1000, 700);
    welcome.show();
    QVERIFY(QTest::qWaitForWindowExposed(&welcome));

    const struct {
        CWelcomeScreen::LinkIndex index;
        const char* text;
        const char* target;
    } expected[] = {
        {CWelcomeScreen::BuyLink, "Buy Formlark 2005", MakerLinks::kBuyPage},
        {CWelcomeScreen::ProductsLink, "Brindlecove Products", MakerLinks::kProductsPage},
        {CWelcomeScreen::InfoMailLink, "info@brindlecove.example", "mailto:info@brindlecove.example"},
        {CWelcomeScreen::SalesMailLink, "sales@brindlecove.example", "mailto:sales@brindlecove.example"},
    };
    QRect previous;
    for (const auto& e : expected) {
        CHyperlinkLabel* link = welcome.Link(e.index);
        QVERIFY(link);
        QCOMPARE(link->text(), QString::fromLatin1(e.text));
        QCOMPARE(link->Target(), QString::fromLatin1(e.target));
        QCOMPARE(link->toolTip(), QString::fromLatin1(e.target));
        QVERIFY(link->LinkAppearance());
        QCOMPARE(link->TextColour(), QColor(0, 0, 238));
        QVERIFY(link->isVisible());
        // Whole, inside the view, one under the other.
        QVERIFY(welcome.rect().contains(link->geometry()));
        QCOMPARE(link->size(), link->sizeHint());
        if (previous.isValid())
            QVERIFY(link->geometry().top() > previous.bottom());
        previous = link->geometry();
    }
    QCOMPARE(welcome.palette().color(QPalette::Window), QColor(Qt::white));

    // The links keep to the picture when the view is resized.
    const QRect before = welcome.Link(CWelcomeScreen::BuyLink)->geometry();
    welcome.resize(1500, 1050);
    const QRect after = welcome.Link(CWelcomeScreen::BuyLink)->geometry();
    QVERIFY(qAbs(after.left() - before.left() * 1.5) <= 2);
    QVERIFY(qAbs(after.center().y() - before.center().y() * 1.5) <= 2);
}

void HyperlinkTest::welcomeLinksOpenTheirTargets()
{
    FakeDesktop desktop(kHyperlinkOpened);
    ScriptedPrompt prompt;
    CWelcomeScreen welcome;
    welcome.resize(1000, 700);
    welcome.show();
    QVERIFY(QTest::qWaitForWindowExposed(&welcome));

    QTest::mouseClick(welcome.Link(CWelcomeScreen::SalesMailLink), Qt::LeftButton);
    QTest::mouseClick(welcome.Link(CWelcomeScreen::BuyLink), Qt::LeftButton);

    QCOMPARE(desktop.opened, (QList<QUrl>{QUrl(QStringLiteral("mailto:sales@brindlecove.example")),
                                          QUrl(QStringLiteral("https://www.brindlecove.example/formlark2005/buy"))}));
    QVERIFY(welcome.Link(CWelcomeScreen::SalesMailLink)->Visited());
    QVERIFY(welcome.Link(CWelcomeScreen::BuyLink)->Visited());
    QVERIFY(!welcome.Link(CWelcomeScreen::ProductsLink)->Visited());
    QVERIFY(prompt.asked.isEmpty());
}

FORMLARK_TEST_MAIN(HyperlinkTest)
#include "HyperlinkTest.moc"
