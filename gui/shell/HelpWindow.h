#pragma once

#include <QWidget>

class QTextBrowser;
class QUrl;

// The help page in a window of the program's own, so that it works without
// a web browser: the page beside the program, shown at the section asked
// for. Links within the page follow in the window; links to the web or to
// a mail address go to the desktop's programs for them.
class CHelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit CHelpWindow(QWidget* parent = nullptr);

    // Shows the page at its section `topic` (empty: the top) and brings the
    // window to the front. False, with the user told why, when the page
    // can't be read.
    bool ShowTopic(const QString& topic);

    QTextBrowser* Browser() const { return browser_; }

private:
    void OnLinkClicked(const QUrl& url);

    QTextBrowser* browser_;
};
