#include "gui/entry/TextGuard.h"

#include <algorithm>

TextGuard::TextGuard(MakeValid makeValid, QObject* parent)
    : QValidator(parent)
    , makeValid_(std::move(makeValid))
{
}

QValidator::State TextGuard::validate(QString& input, int& pos) const
{
    const QString valid = makeValid_(input);
    if (valid != input) {
        // A caret at the end stays at the end; elsewhere it stays put as far
        // as the shorter text allows.
        pos = pos >= input.size() ? int(valid.size()) : std::min(pos, int(valid.size()));
        input = valid;
    }
    return Acceptable;
}
