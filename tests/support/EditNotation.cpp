#include "tests/support/EditNotation.h"

EditState ParseEdit(const QString& notation)
{
    EditState state;
    int caret = -1;
    int open = -1;
    int close = -1;
    for (QChar c : notation) {
        if (c == u'|')
            caret = int(state.text.size());
        else if (c == u'[')
            open = int(state.text.size());
        else if (c == u']')
            close = int(state.text.size());
        else
            state.text += c;
    }
    if (open >= 0 && close >= 0) {
        state.start = open;
        state.end = close;
    } else {
        state.start = state.end = caret >= 0 ? caret : int(state.text.size());
    }
    return state;
}

QString FormatEdit(const EditState& state)
{
    if (!state.HasSelection())
        return state.text.left(state.start) + u'|' + state.text.mid(state.start);
    return state.text.left(state.start) + u'[' + state.text.mid(state.start, state.end - state.start) + u']'
           + state.text.mid(state.end);
}
