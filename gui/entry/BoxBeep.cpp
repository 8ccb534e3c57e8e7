#include "gui/entry/BoxBeep.h"

#include <QApplication>

namespace {

BoxBeepListener& Listener()
{
    static BoxBeepListener listener;
    return listener;
}

} // namespace

void SoundBoxBeep(EntryBeep kind)
{
    if (kind == EntryBeep::None)
        return;
    if (Listener())
        Listener()(kind);
    else
        QApplication::beep();
}

void SetBoxBeepListener(BoxBeepListener listener)
{
    Listener() = std::move(listener);
}
