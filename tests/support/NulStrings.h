#pragma once
// Property-list bytes with a NUL character put into one of their strings, the way a hostile file
// carries one: in a binary list the string keeps its length (one byte of an ASCII string, one
// unit of a UTF-16 string made zero), in an XML list as a raw byte and as a character reference.

#include <QByteArray>
#include <QString>

#include <gtest/gtest.h>

#include <vector>

namespace nultest {

struct Variant {
    QString name;
    QByteArray bytes;
};

// The variants of bytes with the second character of the first occurrence of marker made NUL; a
// marker the bytes do not hold fails the calling test.
inline std::vector<Variant> nulVariants(const QByteArray &bytes, const QString &marker)
{
    std::vector<Variant> out;
    if (bytes.startsWith("bplist00")) {
        bool ascii = true;
        for (QChar ch : marker)
            ascii = ascii && ch.unicode() < 0x80;
        QByteArray needle;
        for (QChar ch : marker) {
            if (!ascii)
                needle += char(ch.unicode() >> 8);
            needle += char(ch.unicode() & 0xff);
        }
        const qsizetype at = bytes.indexOf(needle);
        if (at < 0) {
            ADD_FAILURE() << "no " << marker.toStdString() << " in the binary list";
            return out;
        }
        QByteArray bad = bytes;
        const qsizetype unit = ascii ? 1 : 2;
        for (qsizetype k = 0; k < unit; ++k)
            bad[at + unit + k] = '\0';
        out.push_back({marker + (ascii ? QStringLiteral(" (ASCII)") : QStringLiteral(" (UTF-16)")), bad});
        return out;
    }
    const QByteArray needle = marker.toUtf8();
    const qsizetype at = bytes.indexOf(needle);
    if (at < 0) {
        ADD_FAILURE() << "no " << marker.toStdString() << " in the XML list";
        return out;
    }
    const qsizetype second = at + QString(marker.at(0)).toUtf8().size();
    QByteArray raw = bytes;
    raw[second] = '\0';
    out.push_back({marker + QStringLiteral(" (XML byte)"), raw});
    QByteArray reference = bytes;
    reference.insert(second, "&#0;");
    out.push_back({marker + QStringLiteral(" (XML reference)"), reference});
    QByteArray hexReference = bytes;
    hexReference.insert(second, "&#x00;");
    out.push_back({marker + QStringLiteral(" (XML hex reference)"), hexReference});
    return out;
}

} // namespace nultest
