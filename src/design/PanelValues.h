#pragma once
// What each object panel of the property sidebar writes into the selected card objects, read from
// the panel at once, and how it is written into an object: straight into its fields, with no
// change reports (the transfer records one undo step for the whole action).

#include "model/StyleCodes.h"   // the border-style codes of the list indexes

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class SKTGraphic;
class Card_Property;

// Shape code of a shape-type list index, nothing for an index outside the list.
std::optional<QString> Shape_Type_Code(int index);

// A stored fraction (opacity 0..1) as the whole percentage a panel shows, truncated; the stored
// single-precision value is taken as meant, so 0.01 shows 1 and 0.257 shows 25.
int Whole_Percent(float fraction);

struct StrokeValues {
    bool on = false;
    QColor color;      // written only when on
    int width = 0;     // whole points, written only when on
    QString borderType = QStringLiteral("S");
};

struct ShapePanelValues {
    std::optional<QString> shapeCode;   // none: the object's shape is kept
    StrokeValues stroke;
    bool fill = false;
    QColor fillColor;                   // written only when the fill is on
    QString fillType = QStringLiteral("S");
    QColor gradient1, gradient2;
    double gradientAngle = 0;
    QColor hatchColor;
    QString hatchType;                  // null when no pattern is chosen
    float alpha = 1;
    float cornerRadius = 10;
    int doubleStarType = 1;
    int polygonType = 1;
    int rotation = 0;
    int printObject = 0;
};

struct LinePanelValues {
    QColor strokeColor;
    int strokeWidth = 1;
    int printObject = 0;
    QString borderType = QStringLiteral("S");
    int capStyle = 0;
    int orientation = 0;
    float strokeAlpha = 1;
};

struct TextPanelValues {
    int printObject = 0;
    StrokeValues stroke;
    bool fill = false;
    QColor fillColor;
    QString fillType = QStringLiteral("S");
    QColor gradient1, gradient2;
    double gradientAngle = 0;
    QColor textColor;
    QFont font;
    std::optional<QString> text;        // only with exactly one selected object
    float alpha = 1;
    int verticalAlignment = 0;
    int alignment = 0;
    int textCase = 0;
    float kerning = 0;
    bool shadow = false;
    int rotation = 0;
    QColor shadowColor;
    float shadowX = 0, shadowY = 0, shadowBlur = 0;
    float shadowTransparency = 0;
};

struct ImagePanelValues {
    int printObject = 0;
    StrokeValues stroke;
    bool flipH = false, flipV = false, invert = false, gray = false, sepia = false;
    float transparency = 100, rotation = 0, hue = 0, saturation = 1, brightness = 0, contrast = 1;
    float sharpen = 0, exposure = 0, blur = 0;
    std::optional<QString> filePath;    // only with exactly one selected object
};

struct SignPanelValues {
    int printObject = 0;
    StrokeValues stroke;
    QString filePath;
};

void Write_Shape_Values(SKTGraphic &graphic, const ShapePanelValues &v);
void Write_Line_Values(SKTGraphic &graphic, const LinePanelValues &v);
void Write_Text_Values(SKTGraphic &graphic, const TextPanelValues &v);
// The effect values and flags; the file path too when the panel holds one.
void Write_Image_Values(SKTGraphic &graphic, const ImagePanelValues &v);
// Everything but the path, which the signature loads itself (setFilePath).
void Write_Sign_Values(SKTGraphic &graphic, const SignPanelValues &v);

// What the card's four sidebar pages show, read at once: what Update_Card_Graphics stores in the
// card. Each page reads its own part; the card's size is the canvas's and is not among them.
struct CardPanelValues {
    // Information
    QString name;                       // trimmed, never null
    int shape = 0;                      // Card_Shape: 0 rectangle, 1 rounded rectangle, else ellipse
    QColor contentColor;
    QFont contentFont;
    // Size: the label stock
    QString preset;
    QString category;                   // "" while no product is chosen
    // Background
    bool fill = false;
    QColor fillColor;                   // written only when the fill is on
    QString fillStyle = QStringLiteral("S");
    QColor gradient1, gradient2;
    int gradientAngle = 0;
    QColor hatchColor;
    QString hatchStyle;
    QString imagePath;
    QString imageLayout;
    float alpha = 1;
    // Border and watermark
    bool border = false;
    QColor borderColor;                 // written with the width only when the border is on
    int borderWidth = 0;
    std::optional<QString> borderStyle; // none while the list shows no style
    bool watermark = false;
    int watermarkAlignment = 0;
    float watermarkTransparency = 0;
    QString watermarkText;
    QColor watermarkColor;
    QFont watermarkFont;
};

// The values into the card, with the settings every card of a design has (the front side,
// created in the Designing mode, at the origin).
void Write_Card_Values(Card_Property &card, const CardPanelValues &v);
// YES when the two cards hold the same settings, every one a project file keeps.
bool Same_Card_Settings(const Card_Property &a, const Card_Property &b);
