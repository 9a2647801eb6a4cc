#include "engines/linear/RegisterOtherLinear.h"

#include "engines/linear/JapanPostBarcode.h"
#include "engines/linear/NKDCodabarBarcode.h"
#include "engines/linear/NKDCode128Barcode.h"
#include "engines/linear/NKDExtendedCode39Barcode.h"
#include "engines/linear/NKDIndustrialTwoOfFiveBarcode.h"
#include "engines/linear/NKDModifiedPlesseyHexBarcode.h"
#include "engines/linear/NKDPlanetBarcode.h"
#include "engines/linear/NKDRoyalMailBarcode.h"

namespace {

template <typename T>
LinearBarcodeFactory make()
{
    return [] { return std::unique_ptr<NKDBarcode>(std::make_unique<T>()); };
}

LinearBarcodeFactory code128(int codeSet)
{
    return [codeSet] {
        auto model = std::make_unique<NKDCode128Barcode>();
        model->setCodeSet(codeSet);
        return std::unique_ptr<NKDBarcode>(std::move(model));
    };
}

} // namespace

std::vector<std::pair<QString, LinearBarcodeFactory>> otherLinearSymbologies()
{
    return {
        {QStringLiteral("Code 39"), make<NKDCode39Barcode>()},
        {QStringLiteral("Extended Code 39"), make<NKDExtendedCode39Barcode>()},
        {QStringLiteral("Interleaved 2 of 5"), make<NKDInterleavedTwoOfFiveBarcode>()},
        {QStringLiteral("PostNet"), make<NKDPostnetBarcode>()},
        {QStringLiteral("Modified Plessey"), make<NKDModifiedPlesseyBarcode>()},
        {QStringLiteral("Modified Plessey (Hex)"), make<NKDModifiedPlesseyHexBarcode>()},
        {QStringLiteral("Industrial 2 of 5"), make<NKDIndustrialTwoOfFiveBarcode>()},
        {QStringLiteral("Code 128"), code128(NKDCode128Barcode::Automatic)},
        {QStringLiteral("Code 128 SET A"), code128(NKDCode128Barcode::SetA)},
        {QStringLiteral("Code 128 SET B"), code128(NKDCode128Barcode::SetB)},
        {QStringLiteral("Code 128 SET C"), code128(NKDCode128Barcode::SetC)},
        {QStringLiteral("Codabar"), make<NKDCodabarBarcode>()},
        {QStringLiteral("Royal Mail Barcode (RM4SCC / CBC)"), make<NKDRoyalMailBarcode>()},
        {QStringLiteral("Planet"), make<NKDPlanetBarcode>()},
        {QStringLiteral("Japan Post Barcode"), make<JapanPostBarcode>()},
    };
}
