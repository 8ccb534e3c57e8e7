#include "core/companyfiles/NewCompanyStore.h"

#include "core/companyfiles/CompanyFiles.h"
#include "core/entry/EntryPresets.h"
#include "core/entry/EntryRules.h"
#include "core/store/CompanyData.h"

QString NewCompanyNameRefusal(const QString& name)
{
    using namespace NewCompanyMessages;
    if (name.trimmed().isEmpty())
        return QLatin1String(kEmpty);
    const CharFilterRule rule(0, QLatin1String(kForbiddenNewCompany));
    for (const QChar c : name) {
        if (!IsTextChar(c) || rule.ForbiddenChars().contains(c))
            return QString::fromUtf8(kRefusedCharacter)
                .arg(name, c.isPrint() ? QStringLiteral("\"%1\"").arg(c)
                                       : QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')));
    }
    if (CutToCharacters(name, kCompanyNameCharacters) != name)
        return QString::fromUtf8(kTooLong).arg(name).arg(kCompanyNameCharacters);
    if (!IsUsableCompanyName(name))
        return QString::fromUtf8(kUnusable).arg(name);
    return QString();
}

NewCompanyStore CreateCompanyStore(const QString& folder, const QString& name)
{
    NewCompanyStore made;
    const QStringList candidates = CompanyStoreCandidates(folder, name);
    const QString existing = FindCompanyStoreFile(folder, name);
    if (!existing.isEmpty()) {
        made.result = NewCompanyStore::Result::Exists;
        made.storeFile = existing;
        return made;
    }
    if (!candidates.isEmpty()) {
        // Neither is the one meant, and a third one would only add to it.
        made.result = NewCompanyStore::Result::Ambiguous;
        made.candidates = candidates;
        return made;
    }
    CompanyData fresh;
    fresh.company.EmployerName = name;
    made.storeFile = name + QLatin1String(kStoreExtension);
    made.result = WriteCompanyStore(folder + made.storeFile, fresh) ? NewCompanyStore::Result::Created
                                                                    : NewCompanyStore::Result::Failed;
    return made;
}
