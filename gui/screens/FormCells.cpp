#include "gui/screens/FormCells.h"

#include <QGridLayout>
#include <algorithm>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// The text as markup that keeps its line breaks and runs of blanks.
QString Escaped(const QString& text)
{
    QString html = text.toHtmlEscaped();
    html.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    html.replace(QStringLiteral("  "), QStringLiteral("&nbsp; "));
    return html;
}

// "12a Amount" -> "<b>12a</b> Amount"; other captions as plain text.
QString CaptionMarkup(const QString& caption)
{
    static const QRegularExpression number(QStringLiteral("^([0-9]{1,2}[a-d]?|[a-h])(?=\\s+\\S\\S|$)"));
    const QRegularExpressionMatch match = number.match(caption);
    if (!match.hasMatch())
        return Escaped(caption);
    return QStringLiteral("<b>%1</b>%2").arg(match.captured(1), Escaped(caption.mid(match.captured(1).size())));
}

// The thin black rules of the form: along the top and left edges of the
// sheet, the right and bottom edges of each cell.
void DrawRules(QWidget* widget, bool topLeft)
{
    QPainter painter(widget);
    painter.setPen(QPen(Qt::black, 1));
    const QRect r = widget->rect();
    const QPoint corner = topLeft ? r.topLeft() : r.bottomRight();
    painter.drawLine(corner, r.topRight());
    painter.drawLine(corner, r.bottomLeft());
}

} // namespace

QFont FormCaptionFont(const QFont& base)
{
    QFont font = base;
    font.setPointSizeF(std::max(6.5, base.pointSizeF() * 0.8));
    return font;
}

void UseFormPalette(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(40, 40, 40));
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(242, 242, 242));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(40, 40, 40));
    widget->setPalette(palette);
}

QLabel* NewCaptionLabel(const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::RichText);
    label->setText(CaptionMarkup(caption));
    label->setFont(FormCaptionFont(parent->font()));
    label->setWordWrap(false);
    return label;
}

CFormCell::CFormCell(const QString& caption, QWidget* parent)
    : QWidget(parent)
    , caption_(NewCaptionLabel(caption, this))
    , body_(new QVBoxLayout)
{
    caption_->setVisible(!caption.isEmpty());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 5, 4);
    layout->setSpacing(2);
    layout->addWidget(caption_);
    body_->setSpacing(2);
    layout->addLayout(body_);
    layout->addStretch(1);
}

void CFormCell::AddRow(const QList<QWidget*>& widgets, bool stretchLast)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    for (qsizetype i = 0; i < widgets.size(); ++i)
        row->addWidget(widgets[i], stretchLast && i + 1 == widgets.size() ? 1 : 0);
    if (!stretchLast)
        row->addStretch(1);
    body_->addLayout(row);
    if (widgets.size() == 1 && caption_->buddy() == nullptr)
        caption_->setBuddy(widgets.front());
}

void CFormCell::AddWidget(QWidget* widget)
{
    AddRow({widget});
}

void CFormCell::paintEvent(QPaintEvent*)
{
    DrawRules(this, false);
}

CFormSheet::CFormSheet(QWidget* parent)
    : QWidget(parent)
    , grid_(new QGridLayout(this))
{
    grid_->setContentsMargins(1, 1, 0, 0);
    grid_->setSpacing(0);
}

CFormCell* CFormSheet::Place(CFormCell* cell, int row, int column, int rowSpan, int columnSpan)
{
    grid_->addWidget(cell, row, column, rowSpan, columnSpan);
    return cell;
}

void CFormSheet::paintEvent(QPaintEvent*)
{
    DrawRules(this, true);
}

void LayOutForm(QWidget* form, const QList<QWidget*>& parts, const QString& nameLine)
{
    auto* layout = new QVBoxLayout(form);
    layout->setContentsMargins(0, 6, 0, 6);
    layout->setSpacing(0);
    for (QWidget* part : parts)
        layout->addWidget(part);
    layout->addSpacing(4);
    layout->addWidget(new QLabel(nameLine, form));
    layout->addStretch(1);
    form->adjustSize();
}

QLineEdit* FindNamedBox(const std::vector<QLineEdit*>& boxes, const char* name)
{
    for (QLineEdit* box : boxes)
        if (box->objectName() == QLatin1String(name))
            return box;
    return nullptr;
}

QLineEdit* NewShownBox(const char* name, const QString& accessibleName, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(accessibleName);
    box->setEnabled(false);
    return box;
}

QScrollArea* NewFormArea(QWidget* parent)
{
    auto* area = new QScrollArea(parent);
    area->setObjectName(QStringLiteral("FormArea"));
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidgetResizable(false);
    area->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    area->viewport()->setAutoFillBackground(false);
    return area;
}
