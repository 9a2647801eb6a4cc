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
