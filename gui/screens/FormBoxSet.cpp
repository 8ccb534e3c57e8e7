#include "gui/screens/FormBoxSet.h"

#include "core/entry/CharClasses.h"
#include "core/entry/EntryPresets.h"
#include "gui/entry/CharClassEdit.h"
#include "gui/entry/RuleEdit.h"

QWidget* NewFormBoxWidget(BoxRule rule, const char* name, const char* label, int maxLength, int decimals,
                          QWidget* parent)
{
    QWidget* widget = nullptr;
    switch (rule) {
    case BoxRule::Amount:
    case BoxRule::Number: {
        auto* box = new CAmountEdit(parent);
        box->SetWholeDigits(rule == BoxRule::Number && maxLength > 0 ? maxLength : 9);
        box->SetDecimalPlaces(decimals);
        box->setAlignment(Qt::AlignRight);
        widget = box;
        break;
    }
    case BoxRule::Text:
    case BoxRule::Shown: // not typed on the form screen: never asked for
        widget = new CCharFilterEdit(maxLength, QLatin1String(kForbiddenCommon), parent);
        break;
    case BoxRule::Letters: {
        auto* box = new CCharClassEdit(kCharClassLetters, parent);
        if (maxLength > 0)
            box->setMaxLength(maxLength);
        widget = box;
        break;
    }
    case BoxRule::Check:
        widget = new QCheckBox(QLatin1String(label), parent);
        break;
    }
    widget->setObjectName(QLatin1String(name));
    widget->setAccessibleName(QLatin1String(label));
    return widget;
}
