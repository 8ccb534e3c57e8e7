#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The two dialogs the company commands show. The windowed program shows
// real dialogs; tests answer them directly.
class CompanyDialogs {
public:
    virtual ~CompanyDialogs() = default;

    // "New Company": the entered Employer Name, or nullopt when cancelled.
    virtual std::optional<QString> AskNewCompanyName() = 0;

    // "Select a Company ": the index in `names` of the chosen company, or
    // nullopt when cancelled. The dialog shows the names sorted.
    virtual std::optional<int> SelectCompany(const QStringList& names) = 0;

    // Another name for a company brought in from `file`, whose own name
    // `taken` can't be used in the data folder (a company of that name
    // exists, or it can't name a file): the entered name, or nullopt when
    // cancelled.
    virtual std::optional<QString> AskCompanyName(const QString& file, const QString& taken) = 0;
};
