#include "gui/controls/HyperlinkLabel.h"

#include "core/shell/Prompt.h"
#include "core/controls/HyperlinkErrors.h"

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
    if (m_target.isEmpty())
        setToolTip(Target());
    FitToText();
}

QString CHyperlinkLabel::Target() const
{
    return m_target.isEmpty() ? text() : m_target;
}

void CHyperlinkLabel::SetTarget(const QString& target)
{
    m_target = target;
    setToolTip(Target());
}

void CHyperlinkLabel::SetLinkAppearance(bool on)
{
    m_linkAppearance = on;
    ApplyAppearance();
}

void CHyperlinkLabel::SetVisited(bool visited)
{
    m_visited = visited;
    ApplyAppearance();
}

QColor CHyperlinkLabel::TextColour() const
{
    return palette().color(QPalette::WindowText);
}

void CHyperlinkLabel::ApplyAppearance()
{
    m_applying = true;
    QFont linkFont = font();
    linkFont.setUnderline(m_linkAppearance);
    setFont(linkFont);

    QPalette colours = palette();
    QColor colour = QApplication::palette(this).color(QPalette::WindowText);
    if (m_linkAppearance)
        colour = m_hovered ? kHoverColour : m_visited ? kVisitedColour : kUnvisitedColour;
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
    m_applying = false;
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
    m_hovered = true;
    ApplyAppearance();
    QLabel::enterEvent(event);
}

void CHyperlinkLabel::leaveEvent(QEvent* event)
{
    m_hovered = false;
    ApplyAppearance();
    QLabel::leaveEvent(event);
}

void CHyperlinkLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    QLabel::mousePressEvent(event);
}

// A click is a press and a release of the left button on the label, the
// way a button takes it.
void CHyperlinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = event->button() == Qt::LeftButton && m_pressed && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        m_pressed = false;
    if (click) {
        Open();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void CHyperlinkLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange && !m_applying)
        ApplyAppearance();
}
