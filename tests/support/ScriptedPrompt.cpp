#include "tests/support/ScriptedPrompt.h"

ScriptedPrompt::ScriptedPrompt()
{
    SetAppPrompt(this);
}

ScriptedPrompt::~ScriptedPrompt()
{
    SetAppPrompt(nullptr);
}

PromptAnswer ScriptedPrompt::Ask(const QString& text, PromptButtons shownButtons, PromptIcon icon)
{
    asked << text;
    icons << icon;
    buttons << shownButtons;
    defaults << (shownButtons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Yes);
    if (answers.empty()) {
        if (shownButtons != PromptButtons::Ok)
            ++unanswered;
        return shownButtons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Yes;
    }
    PromptAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

PromptAnswer ScriptedPrompt::AskWithDefault(const QString& text, PromptButtons shownButtons, PromptIcon icon,
                                            PromptAnswer defaultButton)
{
    // Through Ask, which a test's prompt may extend.
    const PromptAnswer answer = Ask(text, shownButtons, icon);
    defaults.last() = defaultButton;
    return answer;
}
