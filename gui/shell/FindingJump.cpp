#include "gui/shell/FindingJump.h"

#include "core/check/FormCheck.h"
#include "core/document/GlobalDoc.h"
#include "core/store/RecordLookup.h"
#include "gui/screens/FormEntryView.h"
#include "gui/records/RecordListView.h"

#include <QScrollArea>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

bool IsWageForm(const FormFinding& finding)
{
    return finding.Form() == CheckedForm::W2;
}

// Focuses the box named `field` on `screen`, showing the tab page that
// holds it first.
bool FocusBox(QWidget* screen, const QString& field)
{
    QWidget* box = screen ? screen->findChild<QWidget*>(field) : nullptr;
    if (!box)
        return false;
    for (QWidget* w = box; w && w != screen; w = w->parentWidget()) {
        auto* tabs = qobject_cast<QTabWidget*>(w->parentWidget() ? w->parentWidget()->parentWidget() : nullptr);
        if (tabs && tabs->indexOf(w) >= 0)
            tabs->setCurrentWidget(w);
    }
    for (QWidget* w = box->parentWidget(); w; w = w->parentWidget())
        if (auto* scroll = qobject_cast<QScrollArea*>(w))
            scroll->ensureWidgetVisible(box);
    box->setFocus(Qt::OtherFocusReason);
    return true;
}

int IndexOfPerson(CGlobalDoc& document, const FormFinding& finding)
{
    return IsWageForm(finding)
               ? FindRecordIndex(document.Employees(), &EmployeeRecord::EmployeeUniqueID, -1, finding.ownerId)
               : FindRecordIndex(document.Contractors(), &ContractorRecord::ContractorUniqueID, -1, finding.ownerId);
}

} // namespace

bool ShowFinding(CGlobalDoc& document, const FindingScreens& screens, const FormFinding& finding)
{
    switch (finding.place) {
    case FindingPlace::Company:
        screens.show(Screen::CompanySetup);
        return FocusBox(screens.view(Screen::CompanySetup), finding.field);
    case FindingPlace::Person: {
        const Screen screen = IsWageForm(finding) ? Screen::Employees : Screen::Contractors;
        auto* list = qobject_cast<CRecordListView*>(screens.view(screen));
        const int index = list ? IndexOfPerson(document, finding) : -1;
        if (index < 0)
            return false;
        screens.show(screen);
        list->SelectRecord(index);
        list->List()->setFocus(Qt::OtherFocusReason);
        return true;
    }
    case FindingPlace::Form: {
        const Screen screen = IsWageForm(finding) ? Screen::W2 : Screen::Form1099;
        auto* form = qobject_cast<CFormEntryView*>(screens.view(screen));
        if (!form || IndexOfPerson(document, finding) < 0)
            return false;
        screens.show(screen);
        return form->ShowOwnerBox(finding.ownerId, finding.field);
    }
    case FindingPlace::Nowhere:
        break;
    }
    return false;
}
