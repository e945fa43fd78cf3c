#pragma once
// The two pictures of the plan help panel, drawn by our own code: the saved-plan list holding
// the worked example's file, and the plan boxes holding its name and its four passage lines.
#include <QFont>
#include <QImage>
#include <QSize>

#include "app/texts.h"

namespace ritmora {

// The four lines of the worked example in the columns of a saved plan.
QStringList ExamplePlanLines();

// A saved-plan list with "Huseyni Pesrevi Lavtaci Tavron.txt" selected, above the list's
// buttons.
QImage DrawSavedPlansExample(QSize size, Language language, const QFont& listFont,
                             const QFont& captionFont);

// The plan name box, the column header and the plan text box holding the worked example.
QImage DrawSequencesExample(QSize size, Language language, const QFont& listFont,
                            const QFont& captionFont);

}  // namespace ritmora
