#pragma once
// What the new-design wizard (projects/Card_Wizard.h) chose, as the design's card pages take it: the
// label stock, and for a blank card its size, name, border and fill.

#include <QColor>
#include <QString>

class Card_Wizard;

struct CardWizardValues {
    int labelIndex = -1;
    int productIndex = -1;
    double width = 0, height = 0;
    QString name;
    bool border = false;
    QColor borderColour;
    double borderWidth = 0;
    int borderWidthWhole = 0;   // as the stepper's field shows it
    int borderStyle = -1;
    QString fillStyle = QStringLiteral("S");   // S solid, G gradient, H hatch, I picture
    QColor fill, gradient1, gradient2, hatchBack;
    double gradientAngle = 0;
    int hatchStyle = -1;
    double opacity = 0;   // a percentage
    QString imagePath;
};

// The wizard's controls as they stand.
CardWizardValues Card_Wizard_Values(const Card_Wizard &wizard);
