#include "barcodemode/BarcodeObjectRole.h"

#include "barcodemode/BarcodeSizeRules.h"
#include "engines/BarcodeSettings.h"
#include "engines/TextMeasurer.h"
#include "engines/linear/NKDBarcode.h"

void BarcodeObjectRole::setCaptionFontSize(float size)
{
    m_captionFontSize = size;
    m_captionHeight = barcode_sizes::bandHeightInches(textMeasurer().capHeight(roleCaptionFont()));
}

void BarcodeObjectRole::setHeaderFontSize(float size)
{
    m_headerFontSize = size;
    const QFont font = roleHeaderFont();
    m_headerHeight = barcode_sizes::bandHeightInches(textMeasurer().capHeight(font));
    m_headerWidth = float(textMeasurer().textSize(header(), font, kHeaderFooterKerning).width());
}

void BarcodeObjectRole::setFooterFontSize(float size)
{
    m_footerFontSize = size;
    const QFont font = roleFooterFont();
    m_footerHeight = barcode_sizes::bandHeightInches(textMeasurer().capHeight(font));
    m_footerWidth = float(textMeasurer().textSize(footer(), font, kHeaderFooterKerning).width());
}
