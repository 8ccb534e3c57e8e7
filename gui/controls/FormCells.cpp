#include "gui/controls/FormCells.h"

#include <QGridLayout>
#include <algorithm>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
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
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    const QRect r = rect();
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.drawLine(r.bottomLeft(), r.bottomRight());
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
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    const QRect r = rect();
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
}

QLineEdit* NewShownBox(const char* name, const QString& accessibleName, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(accessibleName);
    box->setEnabled(false);
    return box;
}
