#include "gui/shell/AboutDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CAboutDialog::CAboutDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Formlark (2005)..."));
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/formlark/program.svg")).pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(QStringLiteral("Formlark Version"), this);
    auto* version = new QLabel(QLatin1String(kProgramVersion), this);
    version->setObjectName(QStringLiteral("VersionText"));
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    version->setFont(bold);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(name);
    nameRow->addWidget(version);
    nameRow->addStretch(1);
    auto* notice = new QLabel(QStringLiteral("Year-end W-2, W-3, 1099-MISC and 1096 forms for tax year 2005.\n"
                                             "Copyright (C) 2005 Brindlecove. All rights reserved."),
                              this);

    auto* text = new QVBoxLayout;
    text->addLayout(nameRow);
    text->addWidget(notice);
    text->addStretch(1);

    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(icon);
    layout->addSpacing(12);
    layout->addLayout(text, 1);
    layout->addWidget(buttons, 0, Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
