#include "gui/import/PriorYearImport.h"

#include "core/import/ImportProcess.h"
#include "core/import/ImportTexts.h"
#include "core/prompt/Prompt.h"
#include "gui/import/ImportProgressDialog.h"

#include <QWidget>
#include <QWindow>

CPriorYearImport::CPriorYearImport(QWidget* window)
    : QObject(window)
    , window_(window)
{
    timer_.setInterval(1);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &CPriorYearImport::OnTick);
}

CPriorYearImport::~CPriorYearImport() = default;

bool CPriorYearImport::Start(const QString& dataFolder, const QStringList& keptCompanies)
{
    if (dialog_)
        return false;
    QStringList steps;
    for (const char* name : ImportTexts::kStepNames)
        steps << QLatin1String(name);
    process_ = std::make_unique<ImportProcess>(dataFolder, keptCompanies);
    // A window of its own, kept above the main window: a child would be
    // disabled with it.
    dialog_ = std::make_unique<CImportProgressDialog>(steps);
    dialog_->winId();
    if (window_ && window_->windowHandle())
        dialog_->windowHandle()->setTransientParent(window_->windowHandle());
    if (window_) {
        dialog_->adjustSize();
        QRect place = dialog_->frameGeometry();
        place.moveCenter(window_->frameGeometry().center());
        dialog_->move(place.topLeft());
        window_->setEnabled(false);
    }
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
    timer_.start();
    return true;
}

void CPriorYearImport::OnTick()
{
    // The user's clicks and keys reach the dialog between two ticks; while
    // the Cancel question is open the import waits.
    if (!dialog_ || dialog_->IsAskingCancel())
        return;
    if (dialog_->TakeCancelConfirmed()) {
        Stop();
        emit finished();
        return;
    }
    switch (process_->Advance()) {
    case ImportProcess::Tick::Failed: {
        const QString message = QString::fromUtf8(ImportTexts::kFailureMessages[process_->FailedStep()])
                                + process_->LeftOutNote();
        Stop();
        AppPrompt().Tell(message, PromptIcon::Stop);
        emit finished();
        return;
    }
    case ImportProcess::Tick::Succeeded: {
        // The stores left out are named, the others were imported.
        const QString message = QLatin1String(ImportTexts::kSucceeded) + process_->LeftOutNote();
        const PromptIcon icon = process_->LeftOut().isEmpty() ? PromptIcon::Information : PromptIcon::Exclamation;
        Stop();
        AppPrompt().Tell(message, icon);
        emit finished();
        return;
    }
    case ImportProcess::Tick::StepChanged:
        dialog_->SetCurrentStep(process_->Step());
        break;
    case ImportProcess::Tick::Running:
        break;
    }
    dialog_->SetProgress(process_->Progress());
}

void CPriorYearImport::Stop()
{
    timer_.stop();
    dialog_.reset();
    if (window_) {
        window_->setEnabled(true);
        window_->activateWindow();
    }
}
