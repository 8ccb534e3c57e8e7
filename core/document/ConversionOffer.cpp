#include "core/document/ConversionOffer.h"

#include "core/companyfiles/StoreConversion.h"
#include "core/document/DocumentMessages.h"
#include "core/prompt/Prompt.h"
#include "core/store/StoreFileKind.h"

#include <QFileInfo>

namespace {

// How many values a question lists that a conversion can't keep exactly.
constexpr int kChangesListed = 12;

} // namespace

bool EarlierStoreConvertible(const QString& path)
{
    StoredValueChanges changes;
    QString problem;
    if (PreviewConversion(path, changes, &problem))
        return true;
    AppPrompt().Tell(problem, PromptIcon::Stop);
    return false;
}

Conversion OfferConversion(const QString& path)
{
    if (StoreFileKindOf(path) != StoreFileKind::Earlier)
        return Conversion::NotNeeded;
    const QString kept = KeptOriginalPath(path);
    // Read first: a store that can't be converted is refused with its
    // reason before anyone is asked, and what a conversion would not keep
    // exactly is said in the question.
    QString problem;
    StoredValueChanges changes;
    if (!PreviewConversion(path, changes, &problem)) {
        AppPrompt().Tell(problem, PromptIcon::Stop);
        return Conversion::Failed;
    }
    QString question = QString::fromLatin1(DocumentMessages::kConvertEarlierStore).arg(QFileInfo(kept).fileName());
    if (!changes.empty())
        question += QStringLiteral("\n\nThese values can't be kept exactly as the file has them (the original "
                                   "keeps them):\n")
                    + DescribeStoredValueChanges(changes, kChangesListed).join(u'\n');
    if (!AppPrompt().AskYesNo(question))
        return Conversion::Declined;
    if (!ConvertEarlierStore(path, kept, &problem)) {
        AppPrompt().Tell(problem, PromptIcon::Stop);
        return Conversion::Failed;
    }
    return Conversion::Converted;
}

bool OpensAsCurrent(const QString& path)
{
    const Conversion conversion = OfferConversion(path);
    return conversion == Conversion::NotNeeded || conversion == Conversion::Converted;
}
