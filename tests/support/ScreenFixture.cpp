#include "tests/support/ScreenFixture.h"

#include "core/store/CompanyStore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

ScreenFixture::ScreenFixture(const CompanyData& seed)
{
    path = folders.DataFolder() + QStringLiteral("Test Company.pmt");
    if (!WriteCompanyStore(path, seed))
        return;
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

