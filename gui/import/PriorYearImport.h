#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>

class CImportProgressDialog;
class ImportProcess;
class QWidget;

// Runs the import of the previous tax year's companies for the main window:
// shows the progress dialog, disables the window, and drives the import's
// steps from a 1 ms timer. Success and every failure end with their message;
// a confirmed Cancel ends it at the next tick without one.
class CPriorYearImport : public QObject {
    Q_OBJECT

public:
    // `window` is disabled while the import runs.
    explicit CPriorYearImport(QWidget* window);
    ~CPriorYearImport() override;

    // Starts an import into `dataFolder`; `keptCompanies` as for
    // ImportProcess. Does nothing (false) while one runs.
    bool Start(const QString& dataFolder, const QStringList& keptCompanies);
    bool IsRunning() const { return dialog_ != nullptr; }
    CImportProgressDialog* Dialog() const { return dialog_.get(); }
    const ImportProcess* Process() const { return process_.get(); }

signals:
    // The import is over (success, failure or cancel), its message answered.
    void finished();

private:
    void OnTick();
    void Stop();

    QWidget* window_;
    QTimer timer_;
    std::unique_ptr<ImportProcess> process_;
    std::unique_ptr<CImportProgressDialog> dialog_;
};
