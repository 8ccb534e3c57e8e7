#include "gui/controls/HyperlinkLabel.h"

#include "core/links/HyperlinkErrors.h"
#include "core/prompt/Prompt.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMouseEvent>

namespace {

int OpenWithDesktop(const QUrl& url)
{
    if (!url.isValid())
        return 2; // nothing there to open
    // The desktop reports only success or failure; a failure there nearly
    // always means that no program is set up for the kind of address.
    return QDesktopServices::openUrl(url) ? kHyperlinkOpened : kHyperlinkNoAssociation;
}

HyperlinkOpener& Opener()
{
    static HyperlinkOpener opener;
    return opener;
}

} // namespace

void SetHyperlinkOpener(HyperlinkOpener opener)
{
    Opener() = std::move(opener);
}

bool OpenHyperlink(const QUrl& url)
{
    const int result = Opener() ? Opener()(url) : OpenWithDesktop(url);
    if (HyperlinkOpenSucceeded(result))
        return true;
    QApplication::beep();
    AppPrompt().Tell(HyperlinkFailureMessage(result), PromptIcon::Exclamation);
    return false;
}

CHyperlinkLabel::CHyperlinkLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setToolTip(Target());
    setCursor(Qt::PointingHandCursor);
}

void CHyperlinkLabel::SetText(const QString& text)
{
    setText(text);
    if (target_.isEmpty())
        setToolTip(Target());
    FitToText();
}

QString CHyperlinkLabel::Target() const
{
    return target_.isEmpty() ? text() : target_;
}

void CHyperlinkLabel::SetTarget(const QString& target)
{
    target_ = target;
    setToolTip(Target());
}

void CHyperlinkLabel::SetLinkAppearance(bool on)
{
    linkAppearance_ = on;
    ApplyAppearance();
}

void CHyperlinkLabel::SetVisited(bool visited)
{
    visited_ = visited;
    ApplyAppearance();
}

QColor CHyperlinkLabel::TextColour() const
{
    return palette().color(QPalette::WindowText);
}

void CHyperlinkLabel::ApplyAppearance()
{
    applying_ = true;
    QFont linkFont = font();
    linkFont.setUnderline(linkAppearance_);
    setFont(linkFont);

    QPalette colours = palette();
    // Plain, it is written as the text around it: the colour of the screen
    // it lies on (paper or the desktop's), not its own of a moment ago.
    const QWidget* around = parentWidget();
    QColor colour = around ? around->palette().color(QPalette::WindowText)
                           : QApplication::palette(this).color(QPalette::WindowText);
    if (linkAppearance_)
        colour = hovered_ ? kHoverColour : visited_ ? kVisitedColour : kUnvisitedColour;
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
    applying_ = false;
    FitToText();
}

void CHyperlinkLabel::FitToText()
{
    const QSize size = sizeHint();
    const QRect now = geometry();
    const Qt::Alignment align = alignment();
    int x = now.left();
    if (align & Qt::AlignRight)
        x = now.left() + now.width() - size.width();
    else if (align & Qt::AlignHCenter)
        x = now.left() + (now.width() - size.width()) / 2;
    const int y = now.top() + (now.height() - size.height()) / 2;
    setGeometry(x, y, size.width(), size.height());
}

bool CHyperlinkLabel::Open()
{
    if (!OpenHyperlink(QUrl(Target())))
        return false;
    SetVisited(true);
    emit Opened();
    return true;
}

void CHyperlinkLabel::enterEvent(QEnterEvent* event)
{
    hovered_ = true;
    ApplyAppearance();
    QLabel::enterEvent(event);
}

void CHyperlinkLabel::leaveEvent(QEvent* event)
{
    hovered_ = false;
    ApplyAppearance();
    QLabel::leaveEvent(event);
}

void CHyperlinkLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
    QLabel::mousePressEvent(event);
}

// A click is a press and a release of the left button on the label, the
// way a button takes it.
void CHyperlinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = event->button() == Qt::LeftButton && pressed_ && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        pressed_ = false;
    if (click) {
        Open();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void CHyperlinkLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange && !applying_)
        ApplyAppearance();
}
