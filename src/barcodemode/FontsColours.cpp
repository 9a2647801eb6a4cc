// Fonts, colours and background of the barcode editor. A font is chosen in the font chooser and
// handed to the action of its text; the renderer reads the colour wells when it draws, so a
// colour change only has to draw again.

#include "barcodemode/BarcodeEditor.h"

#include "core/Messages.h"
#include "engines/linear/NKDBarcode.h"
#include "platform/ColorWell.h"
#include "platform/Dialogs.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <QFontInfo>
#include <QRawFont>
#include <QStringList>

#include <exception>

namespace {

// The full name (name ID 4) from a font's "name" table, the name a font panel shows for a face:
// "DejaVu Sans Bold", and plain "DejaVu Sans" for its book weight. English Windows and Unicode
// records first, then Macintosh Roman ones; null when the table has none.
QString fullNameFromTable(const QByteArray &table)
{
    auto u16 = [&](qsizetype at) -> int {
        return at + 2 <= table.size() ? (uchar(table[at]) << 8) | uchar(table[at + 1]) : -1;
    };
    const int count = u16(2), strings = u16(4);
    if (count < 0 || strings < 0)
        return {};
    QString best;
    int bestRank = 0;
    for (int i = 0; i < count; ++i) {
        const qsizetype r = 6 + qsizetype(i) * 12;
        const int platform = u16(r), encoding = u16(r + 2), language = u16(r + 4), nameId = u16(r + 6);
        const int length = u16(r + 8), offset = u16(r + 10);
        if (offset < 0 || nameId != 4 || length <= 0 || strings + offset + length > table.size())
            continue;
        const int rank = platform == 3 && (encoding == 1 || encoding == 10) && language == 0x409 ? 4
                         : platform == 3 && (encoding == 1 || encoding == 10)                    ? 3
                         : platform == 0                                                         ? 2
                         : platform == 1 && encoding == 0 && language == 0                       ? 1
                                                                                                 : 0;
        if (rank <= bestRank)
            continue;
        const QByteArray raw = table.mid(strings + offset, length);
        QString name;
        if (platform == 1) {
            name = QString::fromLatin1(raw);
        } else {
            for (qsizetype k = 0; k + 1 < raw.size(); k += 2)
                name += QChar(char16_t((uchar(raw[k]) << 8) | uchar(raw[k + 1])));
        }
        name = name.trimmed();
        if (!name.isEmpty()) {
            best = name;
            bestRank = rank;
        }
    }
    return best;
}

// The name of the face the font resolves to, style included.
QString fontDisplayName(const QFont &font)
{
    const QRawFont raw = QRawFont::fromFont(font);
    if (raw.isValid()) {
        const QString full = fullNameFromTable(raw.fontTable("name"));
        if (!full.isEmpty())
            return full;
    }
    // No name table: the family and the style, unless the style is the family's plain face.
    const QString style = QFontInfo(font).styleName();
    static const QStringList plain{QStringLiteral("Regular"), QStringLiteral("Book"), QStringLiteral("Normal"),
                                   QStringLiteral("Roman"), QStringLiteral("Plain")};
    if (style.isEmpty() || plain.contains(style, Qt::CaseInsensitive))
        return font.family();
    return font.family() + QLatin1Char(' ') + style;
}

} // namespace

QString BarcodeEditor::fontDisplayText(const QFont &font)
{
    // Built as text rather than through a C format, so a name outside ASCII survives any locale.
    return fontDisplayName(font) + QString::asprintf(" ( %0.2f )", font.pointSizeF());
}

void BarcodeEditor::chooseBandFont(FontBand band, const QFont &current)
{
    const std::optional<QFont> picked = platform::chooseFont(current);
    if (!picked)
        return;
    switch (band) {
    case FontBand::Value:
        valueFontAction(*picked);
        break;
    case FontBand::Header:
        header_changeFont(*picked);
        break;
    case FontBand::Footer:
        footer_changeFont(*picked);
        break;
    }
}

void BarcodeEditor::Value_Font_Changed(QObject *)
{
    try {
        focusFontButton(val_font_btn);
        chooseBandFont(FontBand::Value, value_font);
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::Header_Font_Changed(QObject *)
{
    try {
        focusFontButton(hdr_font_btn);
        chooseBandFont(FontBand::Header, header_font);
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::Footer_Font_Changed(QObject *)
{
    try {
        focusFontButton(ftr_font_btn);
        chooseBandFont(FontBand::Footer, footer_font);
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::applyValueFont(const QFont &picked)
{
    try {
        value_font = picked;
        if (value_font_value)
            value_font_value->setText(fontDisplayText(value_font));
        if (liner_or_2D_font != 0) {
            // A 2D symbol has no caption band: framing it again is all.
            reframe2D();
        } else if (testBarcode) {
            refreshModelSettings();
            testBarcode->setCaptionFontSize(float(value_font.pointSizeF()));
            relayoutLinear();
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::header_changeFont(const QFont &picked)
{
    try {
        header_font = picked;
        if (header_font_value)
            header_font_value->setText(fontDisplayText(header_font));
        if (liner_or_2D_font != 0) {
            setHeaderFontSize(float(header_font.pointSizeF()));
            reframe2D();
        } else if (testBarcode) {
            refreshModelSettings();
            testBarcode->setHeaderFontSize(float(header_font.pointSizeF()));
            relayoutLinear();
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::footer_changeFont(const QFont &picked)
{
    try {
        footer_font = picked;
        if (footer_font_value)
            footer_font_value->setText(fontDisplayText(footer_font));
        if (liner_or_2D_font != 0) {
            setFooterFontSize(float(footer_font.pointSizeF()));
            reframe2D();
        } else if (testBarcode) {
            refreshModelSettings();
            testBarcode->setFooterFontSize(float(footer_font.pointSizeF()));
            relayoutLinear();
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::Header_Color_Changed(QObject *)
{
    try {
        Set_Font_Clr(nullptr);
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::Set_Font_Clr(QObject *)
{
    try {
        redrawBarcode();
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::Transparent_Bkngd_Clicked(QObject *)
{
    try {
        const bool transparent = transparent_bkgnd && transparent_bkgnd->isChecked();
        if (bar_bk_clr_label)
            bar_bk_clr_label->setEnabled(!transparent);
        if (bar_back_clr)
            bar_back_clr->setEnabled(!transparent);
        set_Fill_transparent(transparent);
        backgroundChosen(transparent);
        redrawBarcode();
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}
