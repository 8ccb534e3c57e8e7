#pragma once

#include <QMainWindow>

class CGlobalDoc;

// The program's main window over the open company.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(CGlobalDoc& document, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CGlobalDoc& document_;
};
