#include "core/store/FixedText.h"

QString CutToCharacters(const QString& text, int maxChars)
{
    if (maxChars <= 0)
        return QString();
    if (text.size() <= maxChars)
        return text;
    qsizetype cut = maxChars;
    // Never leave half of a surrogate pair at the end.
    if (text.at(cut - 1).isHighSurrogate())
        --cut;
    return text.left(cut);
}

void FixedTextBase::AssignCut(const QString& text, int maxChars)
{
    text_ = CutToCharacters(text, maxChars);
}
