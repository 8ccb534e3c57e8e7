#include "gui/shell/MessageBoxPrompt.h"

#include "core/settings/Settings.h"

#include <QApplication>
#include <QMessageBox>

PromptAnswer MessageBoxPrompt::Ask(const QString& text, PromptButtons buttons, PromptIcon icon)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QLatin1String(kApplicationTitle));
    box.setText(text);
    switch (icon) {
    case PromptIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case PromptIcon::Information: box.setIcon(QMessageBox::Information); break;
    case PromptIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case PromptIcon::Stop: box.setIcon(QMessageBox::Critical); break;
    case PromptIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    switch (buttons) {
    case PromptButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case PromptButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case PromptButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    case QMessageBox::Ok: return PromptAnswer::Ok;
    default: return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
    }
}
