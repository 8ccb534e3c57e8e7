#include "app/MainFrame.h"

#include "app/GlobalDoc.h"

#include <QCloseEvent>
#include <QLabel>

CMainFrame::CMainFrame(CGlobalDoc& document, QWidget* parent)
    : QMainWindow(parent)
    , document_(document)
{
    setMinimumSize(632, 400);
    auto* summary = new QLabel(this);
    summary->setAlignment(Qt::AlignCenter);
    setCentralWidget(summary);
    auto show = [this, summary] {
        setWindowTitle(document_.Title());
        summary->setText(tr("%1\n%2 employees, %3 contractors")
                             .arg(document_.Company().EmployerName.Text())
                             .arg(document_.Employees().size())
                             .arg(document_.Contractors().size()));
    };
    connect(&document_, &CGlobalDoc::titleChanged, this, show);
    show();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!document_.SaveModified()) {
        event->ignore();
        return;
    }
    document_.CloseDocument();
    event->accept();
}
