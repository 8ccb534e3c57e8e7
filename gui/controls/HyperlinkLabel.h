#pragma once

#include <QColor>
#include <QLabel>
#include <QUrl>

#include <functional>

// A text label that is a link: a click asks the desktop to open its target
// (a web address or a "mailto:" address) with the default program for it.

// Opens a link target and answers with a result in the shell's numbering
// (see core/links/HyperlinkErrors.h). Tests put one in that fails on purpose.
using HyperlinkOpener = std::function<int(const QUrl&)>;

// Installs `opener` for every link; an empty one goes back to the desktop's.
void SetHyperlinkOpener(HyperlinkOpener opener);

// Opens `url` with the installed opener; on failure beeps and tells the user
// why ("Unable to open hyperlink:" and the error text). Returns success.
bool OpenHyperlink(const QUrl& url);

class CHyperlinkLabel : public QLabel {
    Q_OBJECT
public:
    static constexpr QColor kUnvisitedColour{0, 0, 238};
    static constexpr QColor kVisitedColour{85, 26, 139};
    static constexpr QColor kHoverColour{255, 0, 0};

    explicit CHyperlinkLabel(const QString& text = QString(), QWidget* parent = nullptr);

    // Sets the label's text and fits the label to it.
    void SetText(const QString& text);

    // The address opened on a click; the label's own text when none is set.
    QString Target() const;
    void SetTarget(const QString& target);

    // Link colours and underline on or off; off, the label looks like plain
    // text (it still opens its target when clicked).
    void SetLinkAppearance(bool on);
    bool LinkAppearance() const { return linkAppearance_; }

    bool Visited() const { return visited_; }
    void SetVisited(bool visited);
    bool Hovered() const { return hovered_; }
    // The colour the text is drawn in now.
    QColor TextColour() const;

    // Resizes the label to its text, keeping its horizontal alignment edge
    // (left, centre or right) and its vertical centre where they are.
    void FitToText();

    // Opens the target. On success the link turns visited; on failure the
    // user hears a beep and reads why.
    bool Open();

signals:
    void Opened();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ApplyAppearance();

    QString target_;
    bool linkAppearance_ = false;
    bool visited_ = false;
    bool hovered_ = false;
    bool pressed_ = false;
    bool applying_ = false;
};
