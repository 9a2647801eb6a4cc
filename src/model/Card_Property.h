#pragma once
// The settings of the card side being designed: shape, size, border, fill, text defaults,
// watermark, name and label stock. A plain value object.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include "model/DesignGlobals.h"

class ObjectArchive;

class Card_Property {
public:
    Card_Property();   // the creation defaults

    // Writes the 35 fields under their own names.
    void encodeWithCoder(ObjectArchive &coder) const;
    // A bare instance (NO, 0, zero and no object everywhere, not the creation defaults) read from
    // the archive; a key the archive lacks stays bare. A value that cannot be read stops reading.
    static Card_Property initWithCoder(const ObjectArchive &coder);
    // The archive of this instance under its class name.
    ObjectArchive archived() const;

    bool Card_border_chk = false;
    bool Card_fill_chk = true;
    QColor Card_bordr_clr = Qt::black;
    QColor Card_fill_clr = Qt::white;
    QColor Card_fill_Grd_1_clr = Qt::white;
    QColor Card_fill_Grd_2_clr = Qt::white;
    QColor Card_hatch_bk_clr = Qt::white;
    int Card_bor_Stepper = 1;
    int Card_grad_Stepper = 0;
    int Card_Cat_index = 0;
    float Card_alpha_Stepper = 100.0f;   // any value from 1 up is fully opaque
    QString Card_border_style = QStringLiteral("S");
    QString Card_fill_style = QStringLiteral("S");
    QString Card_hatch_style = QStringLiteral("");
    QString Card_Side = QStringLiteral("2");
    QString Card_Side_Name = QStringLiteral("F");
    QString Card_Shape = QStringLiteral("R");
    QString Card_Name;
    QPointF Card_Location;
    QSizeF Card_Size{0, 0};
    QString Card_Preset = QStringLiteral("Custom");
    QString Card_Category = QStringLiteral("");
    QString Card_Sub_Category = QStringLiteral("");
    QString Card_Create_Mode = QStringLiteral("W");
    QImage Card_BG_Image;
    QString Card_BG_Image_Path = QStringLiteral("");
    QString Card_BG_Image_Layout = QStringLiteral("Tile");
    QColor Card_Content_clr = Qt::black;
    QFont Card_Content_font;
    bool Watermark_Used = false;
    QString Watermark_Text = QStringLiteral("Watermark");
    QColor Watermark_Color = Qt::black;
    QFont Watermark_Font;
    int Watermark_Alignment = 0;   // 0 top, 1 middle, 2 bottom
    float Watermark_Transp = 1.0f;
};
