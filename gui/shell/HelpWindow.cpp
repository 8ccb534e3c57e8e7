#include "gui/shell/HelpWindow.h"

#include "core/settings/Settings.h"
#include "core/help/HelpTopics.h"
#include "core/prompt/Prompt.h"
#include "gui/controls/HyperlinkLabel.h"

#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QShortcut>
#include <QTextDocument>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

CHelpWindow::CHelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    // The program ends with its main window, whether the page is open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("%1 Help").arg(QLatin1String(kApplicationTitle)));
    browser_->setObjectName(QStringLiteral("HelpPage"));
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &CHelpWindow::OnLinkClicked);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    // Escape puts the page away again, Alt+Left goes back after a link.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::Back, this), &QShortcut::activated, browser_, &QTextBrowser::backward);
    resize(780, 620);
}

bool CHelpWindow::ShowTopic(const QString& topic)
{
    const QString path = ProgramFolder() + QLatin1String(kHelpPageFile);
    const auto refuse = [&](const QString& why) {
        AppPrompt().Tell(QStringLiteral("The help page \"%1\" could not be opened: %2.")
                             .arg(QDir::toNativeSeparators(path), why),
                         PromptIcon::Exclamation);
        return false;
    };
    const QFileInfo page(path);
    if (!page.isFile())
        return refuse(QStringLiteral("it is missing"));
    QUrl url = QUrl::fromLocalFile(page.absoluteFilePath());
    if (!topic.isEmpty())
        url.setFragment(topic);
    // The page is read once; after that only the section changes.
    browser_->setSource(url);
    if (browser_->document()->isEmpty())
        return refuse(QStringLiteral("it can't be read"));
    show();
    raise();
    activateWindow();
    browser_->setFocus(Qt::OtherFocusReason);
    return true;
}

void CHelpWindow::OnLinkClicked(const QUrl& url)
{
    const QUrl target = browser_->source().resolved(url);
    if (target.isLocalFile())
        browser_->setSource(target);
    else
        OpenHyperlink(target);
}
