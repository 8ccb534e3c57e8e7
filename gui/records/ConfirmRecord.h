#pragma once

#include "core/document/GlobalDoc.h"
#include "core/prompt/Prompt.h"

#include <QString>

// OK of the employee and contractor dialogs. A new record (index < 0) is
// checked and added, or its refusal told; taken or refused, the screens
// show the records again. An existing record is written when it changed,
// unchecked. Returns the refusal ("" when the dialog may close).
template <class Record>
QString ConfirmRecord(CGlobalDoc& document, int index, int id, const Record& record,
                      AddedRecord (CompanyEditor::*add)(Record), SaveOutcome (CompanyEditor::*modify)(int, int, Record))
{
    CompanyEditor& editor = document.Editor();
    if (index < 0) {
        const AddedRecord result = (editor.*add)(record);
        if (result.Added()) {
            document.RefreshChangedViews();
        } else {
            AppPrompt().Tell(result.refusal, PromptIcon::Exclamation);
            document.RefreshViews();
        }
        return result.Added() ? QString() : result.refusal;
    }
    if ((editor.*modify)(index, id, record) != SaveOutcome::Unchanged)
        document.RefreshChangedViews();
    return QString();
}
