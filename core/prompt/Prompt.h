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
    // Asks with the first of `buttons` as the default one, the one Enter
    // presses.
    virtual PromptAnswer Ask(const QString& text, PromptButtons buttons = PromptButtons::Ok,
                             PromptIcon icon = PromptIcon::None) = 0;
    // Asks with `defaultButton` (one of `buttons`) as the default one: No
    // where a Yes given in haste does harm. A prompt without buttons
    // answers as Ask does.
    virtual PromptAnswer AskWithDefault(const QString& text, PromptButtons buttons, PromptIcon icon,
                                        PromptAnswer defaultButton)
    {
        Q_UNUSED(defaultButton);
        return Ask(text, buttons, icon);
    }

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
    // Yes or No with No as the default button.
    bool AskYesNoDefaultNo(const QString& text, PromptIcon icon = PromptIcon::Question)
    {
        return AskWithDefault(text, PromptButtons::YesNo, icon, PromptAnswer::No) == PromptAnswer::Yes;
    }
};

// The prompt in use. Until one is installed, questions are written to the
// standard error stream and answered with the cautious choice (No, Cancel).
Prompt& AppPrompt();
// Installs `prompt` (not owned); nullptr goes back to the fallback.
void SetAppPrompt(Prompt* prompt);
