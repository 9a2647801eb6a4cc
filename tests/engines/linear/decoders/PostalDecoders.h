#pragma once
// Readers for the postal symbols zxing-cpp does not read. They work on a drawn symbol only: find
// the bars, sort them by height or by the parts they reach, turn them back into characters with
// the published tables and check the check character. Nothing is taken from the models.

#include <QImage>
#include <QString>

namespace lineartest {

struct PostalRead {
    bool ok = false;
    QString data;    // the characters without the check character
    QChar check;     // the check character as the symbol carries it
    QString error;   // why the read failed
};

// POSTNET (tall bars carry the two-of-five) and PLANET (short bars carry it).
PostalRead readPostnet(const QImage &image);
PostalRead readPlanet(const QImage &image);
// Royal Mail 4-state customer code.
PostalRead readRoyalMail(const QImage &image);
// Japan Post customer barcode. data: the postal code and the address characters, letters decoded
// from their shift codes, fillers dropped.
PostalRead readJapanPost(const QImage &image);

} // namespace lineartest
