#pragma once
// What the linear model and the picture renderer read of their settings source (the main window in
// the Barcode and Advanced QR modes, the barcode-object window in the Designing mode), as a plain
// copy taken on the GUI thread. Workers render from such a copy and never touch widgets.
//
// The builder resolves the mode: in the Advanced QR mode it fills the header and footer fonts,
// colours, alignments, background and logo from that mode's own controls, so the model and the
// renderer read one set of names whatever the mode.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

struct BarcodeSettings {
    int mode = 0;   // the working mode that the copy was taken in: 0 Barcode, 1 Designing, 2 Advanced QR

    // Frame and texts of a 2D picture.
    float width = 0;          // points
    float height = 0;         // points
    bool printsHeader = false;
    float headerHeight = 0;   // inches
    QString header;
    bool printsFooter = false;
    QString footer;
    bool fill_transparent = false;   // Fill_transparent: background left transparent (2D; linear in mode 1)

    // Margins, points.
    float TB_margin = 0.1f;
    float header_margin = 0.1f;
    float value_margin = 0.1f;
    float footer_margin = 0.1f;

    // Selected values of the alignment combo boxes: "Center", "Left" or "Right".
    QString align_hdr = QStringLiteral("Center");
    QString align_ftr = QStringLiteral("Center");

    QFont header_font;
    QFont footer_font;
    QFont value_font;

    QColor bar_hdr_clr = Qt::black;
    QColor bar_ftr_clr = Qt::black;
    QColor bar_val_clr = Qt::black;
    QColor barcode_clr = Qt::black;
    QColor bar_back_clr = Qt::white;

    bool transparent_bkgnd = false;        // the check box; the linear background in mode 0
    bool showinTop = false;                // showinTopCheckbox: caption above the bars
    bool kerning_value = false;            // kerning_value_Checkbox: on gives the main caption kerning 0
    QString barcodeTypeTitle;              // title of the selected item of barcodeTypePopup (modes 0 and 1)
    bool USE_QR_LOGO = false;
    QImage USE_QR_LOGO_IMG;                // null: no logo

    // The linear picture's background is transparent: mode 0 follows the check box, mode 1 Fill_transparent.
    bool linearBackgroundTransparent() const { return mode == 1 ? fill_transparent : transparent_bkgnd; }
};
