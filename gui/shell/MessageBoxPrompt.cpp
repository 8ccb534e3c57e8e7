#include "gui/shell/MessageBoxPrompt.h"

#include "core/settings/Settings.h"

#include <QApplication>
#include <QMessageBox>

#include <optional>

namespace {

QMessageBox::StandardButton ButtonOf(PromptAnswer answer)
{
    switch (answer) {
    case PromptAnswer::Ok:
        return QMessageBox::Ok;
    case PromptAnswer::Yes:
        return QMessageBox::Yes;
    case PromptAnswer::No:
        return QMessageBox::No;
    case PromptAnswer::Cancel:
        return QMessageBox::Cancel;
    }
    return QMessageBox::NoButton;
}

// The message box of `text`; without `defaultButton` the box's own choice
// (the first button) is the default one.
PromptAnswer Show(const QString& text, PromptButtons buttons, PromptIcon icon,
                  std::optional<PromptAnswer> defaultButton)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QLatin1String(kApplicationTitle));
    box.setText(text);
    switch (icon) {
    case PromptIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case PromptIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case PromptIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case PromptIcon::Stop:
        box.setIcon(QMessageBox::Critical);
        break;
    case PromptIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
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
    if (defaultButton && box.button(ButtonOf(*defaultButton)))
        box.setDefaultButton(ButtonOf(*defaultButton));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    case QMessageBox::Ok:
        return PromptAnswer::Ok;
    default:
        return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
    }
}

} // namespace

PromptAnswer MessageBoxPrompt::Ask(const QString& text, PromptButtons buttons, PromptIcon icon)
{
    return Show(text, buttons, icon, std::nullopt);
}

PromptAnswer MessageBoxPrompt::AskWithDefault(const QString& text, PromptButtons buttons, PromptIcon icon,
                                              PromptAnswer defaultButton)
{
    return Show(text, buttons, icon, defaultButton);
}
