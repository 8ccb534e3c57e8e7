#pragma once

#include <QValidator>

#include <functional>

// Rewrites whatever text a line edit is given into its valid form before the
// line edit shows it or tells anyone. QLineEdit::setText is not virtual, and
// completers, clear() and the like change the text without any handler of
// ours; every one of them passes the line edit's validator, so this is the
// one place no text can get around. The rewritten text is shown and signalled
// once, never the text that was refused.
class TextGuard : public QValidator {
    Q_OBJECT
public:
    using MakeValid = std::function<QString(const QString&)>;

    TextGuard(MakeValid makeValid, QObject* parent);

    State validate(QString& input, int& pos) const override;

private:
    MakeValid makeValid_;
};
