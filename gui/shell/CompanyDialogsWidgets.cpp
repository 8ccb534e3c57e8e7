#include "gui/shell/CompanyDialogsWidgets.h"

#include "core/companyfiles/CompanyFiles.h"
#include "core/document/DocumentMessages.h"
#include "core/companyfiles/NewCompanyStore.h"
#include "core/prompt/Prompt.h"
#include "gui/entry/RuleEdit.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// OK (the default) and Cancel, one above the other, for `dialog`.
QDialogButtonBox* OkCancelButtons(QDialog* dialog)
{
    auto* buttons = new QDialogButtonBox(Qt::Vertical, dialog);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace

CNewCompanyDialog::CNewCompanyDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("New Company"));
    auto* employer = new CCharFilterEdit(kCompanyNameCharacters, QLatin1String(kForbiddenNewCompany), this);
    auto* legal = new CCharFilterEdit(0, QLatin1String(kForbiddenNewCompany), this);
    employerName_ = employer;
    legalName_ = legal;

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Employer Name"), this), 0, 0);
    grid->addWidget(employerName_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Legal Name"), this), 1, 0);
    grid->addWidget(legalName_, 1, 1);
    grid->setColumnStretch(1, 1);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);

    QDialogButtonBox* buttons = OkCancelButtons(this);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addSpacing(12);
    layout->addWidget(buttons, 0, Qt::AlignTop);
    employerName_->setMinimumWidth(300);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Until the user types into Legal Name it mirrors the Employer Name.
    connect(employerName_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!legalNameEdited_)
            legalName_->setText(text);
    });
    connect(legalName_, &QLineEdit::textEdited, this, [this] { legalNameEdited_ = true; });
}

QString CNewCompanyDialog::EmployerName() const
{
    return employerName_->text();
}

QString CNewCompanyDialog::LegalName() const
{
    return legalName_->text();
}

void CNewCompanyDialog::accept()
{
    // A name of blanks only names no company (nor a file).
    if (employerName_->text().trimmed().isEmpty()) {
        AppPrompt().Tell(QLatin1String(DocumentMessages::kNewCompanyName));
        employerName_->setFocus();
        return;
    }
    QDialog::accept();
}

CSelectCompanyDialog::CSelectCompanyDialog(const QStringList& names, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Select a Company "));
    list_ = new QListWidget(this);
    for (int i = 0; i < names.size(); ++i) {
        auto* item = new QListWidgetItem(names.at(i), list_);
        item->setData(Qt::UserRole, i);
    }
    list_->sortItems(Qt::AscendingOrder);
    // The first company is the current one, and looks it: Return (or OK)
    // opens it, the arrow keys move on from it.
    if (list_->count() > 0)
        list_->setCurrentRow(0);

    QDialogButtonBox* buttons = OkCancelButtons(this);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addSpacing(8);
    layout->addWidget(buttons, 0, Qt::AlignTop);
    resize(440, 360);
}

void CSelectCompanyDialog::accept()
{
    // The chosen line, else the one the keyboard is on (its selection may
    // have been cleared with Ctrl+Space); OK without either keeps the
    // dialog open.
    const QList<QListWidgetItem*> chosen = list_->selectedItems();
    const QListWidgetItem* line = chosen.isEmpty() ? list_->currentItem() : chosen.first();
    if (!line)
        return;
    selected_ = line->data(Qt::UserRole).toInt();
    QDialog::accept();
}

CCompanyNameDialog::CCompanyNameDialog(const QString& file, const QString& taken, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Company Name"));
    const QString why = IsUsableCompanyName(taken)
                            ? QStringLiteral("The data folder has a company \"%1\" already.").arg(taken)
                            : QStringLiteral("\"%1\" can't name a company.").arg(taken);
    auto* text =
        new QLabel(QStringLiteral("%1\nEnter another name for the company of the file\n\"%2\":").arg(why, file), this);
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setMinimumWidth(420);
    name_ = new CCharFilterEdit(kCompanyNameCharacters, QLatin1String(kForbiddenNewCompany), this);
    name_->setMinimumWidth(300);

    QDialogButtonBox* buttons = OkCancelButtons(this);

    auto* column = new QVBoxLayout;
    column->addWidget(text);
    column->addWidget(new QLabel(QStringLiteral("Company Name"), this));
    column->addWidget(name_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(column, 1);
    layout->addSpacing(12);
    layout->addWidget(buttons, 0, Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString CCompanyNameDialog::Name() const
{
    return name_->text();
}

void CCompanyNameDialog::accept()
{
    if (name_->text().trimmed().isEmpty()) {
        AppPrompt().Tell(QLatin1String(DocumentMessages::kNewCompanyName));
        name_->setFocus();
        return;
    }
    QDialog::accept();
}

std::optional<QString> CompanyDialogsWidgets::AskNewCompanyName()
{
    CNewCompanyDialog dialog(parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.EmployerName();
}

std::optional<int> CompanyDialogsWidgets::SelectCompany(const QStringList& names)
{
    if (names.isEmpty())
        return std::nullopt;
    CSelectCompanyDialog dialog(names, parent_);
    if (dialog.exec() != QDialog::Accepted || dialog.SelectedIndex() < 0)
        return std::nullopt;
    return dialog.SelectedIndex();
}

std::optional<QString> CompanyDialogsWidgets::AskCompanyName(const QString& file, const QString& taken)
{
    CCompanyNameDialog dialog(file, taken, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Name();
}
