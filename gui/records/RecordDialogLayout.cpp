#include "gui/records/RecordDialogLayout.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

void AddCaptionedBox(QHBoxLayout* row, const QString& caption, QWidget* box)
{
    AddCaptionedBoxes(row, caption, {box});
}

void AddCaptionedBoxes(QHBoxLayout* row, const QString& caption, const QList<QWidget*>& boxes)
{
    auto* column = new QVBoxLayout;
    column->setSpacing(3);
    auto* label = new QLabel(caption.isEmpty() ? QStringLiteral(" ") : caption, boxes.first()->parentWidget());
    label->setBuddy(boxes.first());
    column->addWidget(label);
    auto* line = new QHBoxLayout;
    line->setSpacing(6);
    for (QWidget* box : boxes)
        line->addWidget(box);
    line->addStretch(1);
    column->addLayout(line);
    row->addLayout(column);
}

void FinishRecordDialog(QDialog* dialog, const QList<QLayout*>& rows)
{
    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(10);
    for (QLayout* row : rows) {
        if (auto* box = qobject_cast<QHBoxLayout*>(row)) {
            box->setSpacing(12);
            box->addStretch(1);
        }
        layout->addLayout(row);
    }
    layout->addSpacing(6);
    auto* rule = new QFrame(dialog);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    layout->addWidget(rule);

    auto* buttons = new QDialogButtonBox(dialog);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("Cancel"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
