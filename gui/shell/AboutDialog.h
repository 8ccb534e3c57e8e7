#pragma once

#include <QDialog>

// "Formlark (2005)...": the program's icon, name, version and legal notice.
class CAboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDialog(QWidget* parent = nullptr);
};

inline constexpr char kProgramVersion[] = "2.0.71";
