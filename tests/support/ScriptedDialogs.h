#pragma once

#include "core/document/CompanyDialogs.h"

#include <QStringList>

// The company dialogs answered by a test: the name a "New Company" dialog
// returns (none: Cancel) and the company a "Select a Company " dialog picks,
// by name (empty or not offered: Cancel); the names last offered are kept.
// Names asked for a company brought in from a file come from `otherNames`
// in order (none left: Cancel); the names found taken are kept.
class ScriptedDialogs : public CompanyDialogs {
public:
    std::optional<QString> newName;
    QString selectName;
    QStringList offered;
    QStringList otherNames;
    QStringList taken;

    std::optional<QString> AskNewCompanyName() override { return newName; }
    std::optional<int> SelectCompany(const QStringList& names) override
    {
        offered = names;
        const int index = names.indexOf(selectName);
        if (selectName.isEmpty() || index < 0)
            return std::nullopt;
        return index;
    }
    std::optional<QString> AskCompanyName(const QString&, const QString& takenName) override
    {
        taken << takenName;
        if (otherNames.isEmpty())
            return std::nullopt;
        return otherNames.takeFirst();
    }
};
