#include "barcodemode/BarcodeEditorForm.h"

#include <QStringList>

namespace barcode_editor_items {

QStringList alignments() { return {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")}; }

QStringList orientations() { return {QStringLiteral("Horizontal")}; }

QStringList qrVersions()
{
    QStringList items{QStringLiteral("Auto")};
    for (int v = 1; v <= 40; ++v)
        items << QString::number(v);
    return items;
}

QStringList qrLevels() { return {QStringLiteral("L"), QStringLiteral("M"), QStringLiteral("Q"), QStringLiteral("H")}; }

QStringList qrEncodingModes()
{
    return {QStringLiteral("Auto"), QStringLiteral("Numeric"), QStringLiteral("Alphanumeric"), QStringLiteral("Byte")};
}

QStringList dpiItems()
{
    return {QStringLiteral("Auto"), QStringLiteral("Custom"), QStringLiteral("72 DPI"), QStringLiteral("150 DPI"),
            QStringLiteral("300 DPI"), QStringLiteral("600 DPI"), QStringLiteral("1200 DPI")};
}

QStringList previewAlignments()
{
    return {QStringLiteral("Center"), QStringLiteral("Top"), QStringLiteral("TopLeft"), QStringLiteral("TopRight"),
            QStringLiteral("Left"), QStringLiteral("Bottom"), QStringLiteral("BottomLeft"), QStringLiteral("BottomRight"),
            QStringLiteral("Right")};
}

QStringList dataMatrixSizes()
{
    return {QStringLiteral("Auto"), QStringLiteral("C10X10"), QStringLiteral("C12X12"), QStringLiteral("C14X14"),
            QStringLiteral("C16X16"), QStringLiteral("C18X18"), QStringLiteral("C20X20"), QStringLiteral("C22X22"),
            QStringLiteral("C24X24"), QStringLiteral("C26X26"), QStringLiteral("C32X32"), QStringLiteral("C36X36"),
            QStringLiteral("C40X40"), QStringLiteral("C44X44"), QStringLiteral("C48X48"), QStringLiteral("C52X52"),
            QStringLiteral("C64X64"), QStringLiteral("C72X72"), QStringLiteral("C80X80"), QStringLiteral("C88X88"),
            QStringLiteral("C96X96"), QStringLiteral("C104X104"), QStringLiteral("C120X120"), QStringLiteral("C132X132"),
            QStringLiteral("C144X144"), QStringLiteral("C8X18"), QStringLiteral("C8X32"), QStringLiteral("C12X26"),
            QStringLiteral("C12X36"), QStringLiteral("C16X36"), QStringLiteral("C16X48")};
}

QStringList dataMatrixEncodings()
{
    return {QStringLiteral("Auto"), QStringLiteral("Ascii"), QStringLiteral("C40"), QStringLiteral("Text"),
            QStringLiteral("Base256")};
}

} // namespace barcode_editor_items
