#pragma once
// A value for every linear symbology with an engine, from the symbologies' own standards where they
// give one, with what an independent reader must find in it.

#include "engines/Symbologies.h"
#include "tools/SymbolRender.h"

#include <QString>
#include <QStringList>

#include <map>

namespace symboltool {

struct Sample {
    const char *value;
    const char *format;    // zxing's name; empty when zxing does not read the symbology
    const char *decoded;   // what a reader must find, from the symbology's standard
};

inline const std::map<QString, Sample> &samples()
{
    static const std::map<QString, Sample> table = {
        {QStringLiteral("EAN-13"), {"590123412345", "EAN13", "5901234123457"}},
        {QStringLiteral("EAN-8"), {"9638507", "EAN8", "96385074"}},
        {QStringLiteral("UPCA"), {"03600029145", "UPCA", "036000291452"}},
        {QStringLiteral("UPCE"), {"0123456", "UPCE", "01234565"}},
        {QStringLiteral("Code 128"), {"Tagora-128 x", "Code128", "Tagora-128 x"}},
        {QStringLiteral("Code 128 SET A"), {"TAGORA 128", "Code128", "TAGORA 128"}},
        {QStringLiteral("Code 128 SET B"), {"Tagora b128", "Code128", "Tagora b128"}},
        {QStringLiteral("Code 128 SET C"), {"12345678", "Code128", "12345678"}},
        {QStringLiteral("Code 39"), {"TAGORA-39", "Code39", "TAGORA-39"}},
        {QStringLiteral("Extended Code 39"), {"TAGORA-39", "Code39", "TAGORA-39"}},
        {QStringLiteral("Interleaved 2 of 5"), {"12345678", "ITF", "12345678"}},
        {QStringLiteral("Codabar"), {"A40156B", "Codabar", "40156"}},
        {QStringLiteral("Industrial 2 of 5"), {"123456", "", ""}},
        {QStringLiteral("Modified Plessey"), {"123456", "", ""}},
        {QStringLiteral("Modified Plessey (Hex)"), {"12AB", "", ""}},
        {QStringLiteral("PostNet"), {"12345", "", ""}},
        {QStringLiteral("Planet"), {"12345678901", "", ""}},
        {QStringLiteral("Royal Mail Barcode (RM4SCC / CBC)"), {"SN34RD1A", "", ""}},
        {QStringLiteral("Japan Post Barcode"), {"6540123789-A-K-Z", "", ""}},
    };
    return table;
}

// The linear titles that have an engine, in the shared order.
inline QStringList landedLinearTitles()
{
    registerLinearEngines();
    QStringList out;
    for (const QString &title : Symbologies::allTitles())
        if (Symbologies::isLinear(title) && Symbologies::hasLinearFactory(title))
            out << title;
    return out;
}

} // namespace symboltool
