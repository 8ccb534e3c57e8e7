#pragma once

#include "core/prompt/Prompt.h"

class QWidget;

// Shows questions and messages in modal message boxes titled with the
// program's name, over the active window.
class MessageBoxPrompt : public Prompt {
public:
    PromptAnswer Ask(const QString& text, PromptButtons buttons, PromptIcon icon) override;
    PromptAnswer AskWithDefault(const QString& text, PromptButtons buttons, PromptIcon icon,
                                PromptAnswer defaultButton) override;
};
