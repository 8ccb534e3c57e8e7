#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Single-byte Windows-1252 text (what the Windows programs wrote: stores of
// the earlier editions, the older "CSV" of Excel) to Unicode. 0x80-0x9F are
// the typographic characters of that code page (0x80 the euro sign, 0x92
// the right single quote); the five codes it leaves unused stay as they are.
QString DecodeWindows1252(QByteArrayView bytes);
