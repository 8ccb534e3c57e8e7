#include "core/prompt/Prompt.h"

#include <cstdio>

namespace {

class StandardErrorPrompt : public Prompt {
public:
    PromptAnswer Ask(const QString& text, PromptButtons buttons, PromptIcon) override
    {
        std::fprintf(stderr, "formlark: %s\n", qPrintable(text));
        switch (buttons) {
        case PromptButtons::Ok:
            return PromptAnswer::Ok;
        case PromptButtons::YesNo:
            return PromptAnswer::No;
        case PromptButtons::YesNoCancel:
            return PromptAnswer::Cancel;
        }
        return PromptAnswer::Cancel;
    }
};

StandardErrorPrompt g_fallback;
Prompt* g_prompt = nullptr;

} // namespace

Prompt& AppPrompt()
{
    return g_prompt ? *g_prompt : g_fallback;
}

void SetAppPrompt(Prompt* prompt)
{
    g_prompt = prompt;
}
