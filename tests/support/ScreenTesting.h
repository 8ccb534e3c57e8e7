#pragma once

// What the tests of the form screens share: the balloons they show, the
// boxes laid out on their forms, and their print jobs printed through a
// printer into a PDF.

#include "gui/printing/FormPrinting.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

class CBalloonWindow;
class QWidget;

// The boxes (line edits and check boxes) of the form widget `form` that sit
// in none of its cells: a box a table adds that the screen's layout never
// placed (it would float in the form's corner). Object names.
QStringList BoxesOutsideCells(const QWidget* form);

// The balloons shown at the moment; closing them all.
QList<CBalloonWindow*> OpenBalloons();
void CloseBalloons();

// Prints the job into the PDF `pdf` on Letter paper through a printer whose
// page layout has margins of 5 mm and 4 mm (which the pages ignore), with
// the form pictures built beside the program. False when nothing printed
// (the file refused as a company's file of `dataFolder`: why in `refusal`).
bool PrintIntoPdf(const PrintJobMaker& makeJob, const QString& pdf, const QString& dataFolder = QString(),
                  QString* refusal = nullptr);
