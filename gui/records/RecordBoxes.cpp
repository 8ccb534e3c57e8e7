#include "gui/records/RecordBoxes.h"

#include "gui/controls/BoxWidth.h"
#include "gui/entry/RuleEdit.h"

CCharFilterEdit* NewTextBox(const char* name, int maxLength, QWidget* parent, const char* forbidden)
{
    auto* box = new CCharFilterEdit(0, QLatin1String(kForbiddenCommon), parent);
    box->SetMaxLength(maxLength);
    box->SetForbiddenChars(QLatin1String(forbidden));
    box->setObjectName(QLatin1String(name));
    SetWidthInCharacters(box, maxLength);
    return box;
}

CDigitMaskEdit* NewMaskBox(const char* name, const char* mask, QWidget* parent)
{
    auto* box = new CDigitMaskEdit(QString(), parent);
    box->SetMask(QLatin1String(mask));
    box->setObjectName(QLatin1String(name));
    SetWidthInCharacters(box, int(qstrlen(mask)));
    return box;
}
