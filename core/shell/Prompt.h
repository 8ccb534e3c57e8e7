#pragma once

#include <QString>

// Every question and message to the user goes through one Prompt. The
// windowed program installs one that shows message boxes; tests install a
// scripted one that answers from a list and records what was asked.

enum class PromptButtons { Ok, YesNo, YesNoCancel };
enum class PromptIcon { None, Information, Exclamation, Stop, Question };
enum class PromptAnswer { Ok, Yes, No, Cancel };

class Prompt {
public:
    virtual ~Prompt() = default;
    virtual PromptAnswer Ask(const QString& text, PromptButtons buttons = PromptButtons::Ok,
                             PromptIcon icon = PromptIcon::None) = 0;

    // Shorthands for the common shapes.
    void Tell(const QString& text, PromptIcon icon = PromptIcon::None) { Ask(text, PromptButtons::Ok, icon); }
    bool AskYesNo(const QString& text, PromptIcon icon = PromptIcon::Question)
    {
        return Ask(text, PromptButtons::YesNo, icon) == PromptAnswer::Yes;
    }
    // A Yes/No or Yes/No/Cancel question, answered Yes, No or Cancel:
    // whatever else closes it (Escape, its close box) is the way out its
    // buttons have, Cancel or else No.
    PromptAnswer Choose(const QString& text, PromptButtons buttons, PromptIcon icon = PromptIcon::Question)
    {
        const PromptAnswer answer = Ask(text, buttons, icon);
        if (answer == PromptAnswer::Yes || answer == PromptAnswer::No)
            return answer;
        return buttons == PromptButtons::YesNoCancel ? PromptAnswer::Cancel : PromptAnswer::No;
    }
};

// The prompt in use. Until one is installed, questions are written to the
// standard error stream and answered with the cautious choice (No, Cancel).
Prompt& AppPrompt();
// Installs `prompt` (not owned); nullptr goes back to the fallback.
void SetAppPrompt(Prompt* prompt);
