#pragma once

#include "core/prompt/Prompt.h"

#include <QStringList>

#include <deque>

// A prompt for tests: answers from a queue (Ok / the first button when the
// queue is empty, which a test can check through Unanswered) and keeps every
// text it was asked, with its icon, buttons and default button. Installs
// itself while it lives.
class ScriptedPrompt : public Prompt {
public:
    ScriptedPrompt();
    ~ScriptedPrompt() override;

    PromptAnswer Ask(const QString& text, PromptButtons buttons, PromptIcon icon) override;
    PromptAnswer AskWithDefault(const QString& text, PromptButtons buttons, PromptIcon icon,
                                PromptAnswer defaultButton) override;

    ScriptedPrompt& Then(PromptAnswer answer)
    {
        answers.push_back(answer);
        return *this;
    }

    std::deque<PromptAnswer> answers;
    QStringList asked;
    QList<PromptIcon> icons;
    QList<PromptButtons> buttons;
    QList<PromptAnswer> defaults; // the default button of each question
    int unanswered = 0;           // questions asked with an empty queue
};
