#pragma once

#include "core/document/CompanyDialogs.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QListWidgetItem;

// "New Company": the new company's Employer Name (which names its store)
// and its Legal Name, which follows the Employer Name until it is edited.
class CNewCompanyDialog : public QDialog {
    Q_OBJECT

public:
    explicit CNewCompanyDialog(QWidget* parent = nullptr);

    QString EmployerName() const;
    QString LegalName() const;
    QLineEdit* EmployerNameBox() const { return employerName_; }
    QLineEdit* LegalNameBox() const { return legalName_; }

    void accept() override;

private:
    QLineEdit* employerName_;
    QLineEdit* legalName_;
    bool legalNameEdited_ = false;
};

// "Select a Company ": the names sorted; OK or a double click picks one.
class CSelectCompanyDialog : public QDialog {
    Q_OBJECT

public:
    CSelectCompanyDialog(const QStringList& names, QWidget* parent = nullptr);

    // The chosen name's index in the list given to the dialog, -1 for none.
    int SelectedIndex() const { return selected_; }
    QListWidget* List() const { return list_; }

    void accept() override;

private:
    QListWidget* list_;
    int selected_ = -1;
};

// "Company Name": another name for a company brought in from a file whose
// own name is taken in the data folder.
class CCompanyNameDialog : public QDialog {
    Q_OBJECT

public:
    CCompanyNameDialog(const QString& file, const QString& taken, QWidget* parent = nullptr);

    QString Name() const;
    QLineEdit* NameBox() const { return name_; }

    void accept() override;

private:
    QLineEdit* name_;
};

// The company commands' dialogs shown for real, over `parent`.
class CompanyDialogsWidgets : public CompanyDialogs {
public:
    explicit CompanyDialogsWidgets(QWidget* parent)
        : parent_(parent)
    {
    }
    std::optional<QString> AskNewCompanyName() override;
    std::optional<int> SelectCompany(const QStringList& names) override;
    std::optional<QString> AskCompanyName(const QString& file, const QString& taken) override;

private:
    QWidget* parent_;
};
