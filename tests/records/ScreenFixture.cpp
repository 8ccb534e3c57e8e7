#include "tests/records/ScreenFixture.h"

#include "store/CompanyStore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

ScreenFixture::ScreenFixture(const CompanyData& seed)
{
    path = folders.DataFolder() + QStringLiteral("Test Company.pmt");
    CompanyStore store;
    if (CreateCompanyStore(store, path) != 0 || store.InsertCompany(seed.company, 1) != 0)
        return;
    for (const EmployeeRecord& e : seed.employees)
        store.InsertEmployee(e, e.EmployeeUniqueID);
    for (const ContractorRecord& c : seed.contractors)
        store.InsertContractor(c, c.ContractorUniqueID);
    for (const W2Record& w : seed.w2s)
        store.InsertW2(w, w.W2UniqueID);
    for (const Form1099Record& f : seed.forms1099)
        store.InsertForm1099(f, f.Form1099UniqueID);
    store.Close();
    doc.DataFolder = folders.DataFolder();
    doc.CurrentCompanyName = QStringLiteral("Test Company");
    doc.CurrentStorePath = path;
    ready = doc.LoadCurrentCompany();
}

CompanyData ScreenFixture::Stored() const
{
    CompanyStore store;
    CompanyData data;
    LoadCompany(store, path, data);
    return data;
}

std::unique_ptr<ModalScript> OnNextModal(std::function<void(QDialog&)> script)
{
    auto state = std::make_unique<ModalScript>();
    ModalScript* s = state.get();
    QTimer::singleShot(0, s->guard.get(), [s, script] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        s->shown = true;
        script(*dialog);
        if (dialog->isVisible()) {
            s->leftOpen = true;
            dialog->reject();
        }
    });
    return state;
}

void Type(QLineEdit* box, const QString& text)
{
    box->setFocus();
    for (QChar c : text)
        QTest::keyClick(box, c.toLatin1());
}

void Erase(QLineEdit* box)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
}

void Click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}
