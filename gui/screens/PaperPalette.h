#pragma once

#include <QPalette>

class QWidget;

// The colours of a screen that stands for paper (the form screens, the
// company setup, the employee and contractor lists, the welcome view):
// dark ink on white for everything on it, the labels, rules, entry boxes,
// check boxes, lists and the selection alike, whatever the desktop's
// palette. A paper screen never takes a colour from the desktop, so a dark
// desktop theme can't put light text on its white.
QPalette PaperPalette();

// Gives `screen` and everything on it the paper colours (a dialog opened
// from it is a window of its own and keeps the desktop's).
void UsePaperPalette(QWidget* screen);
