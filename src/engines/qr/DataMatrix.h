#pragma once
// The square grid of QR modules that the QR facade hands out and paints: one signed byte per
// module, 1 dark and 0 light, x the column and y the row from the top. (QR modules only; the
// DataMatrix symbology has its own engine.)

#include <QString>

#include <cstdint>
#include <vector>

namespace qr {

class DataMatrix {
public:
    // A grid of dimension x dimension modules, all light.
    explicit DataMatrix(int64_t dimension);

    void set(int8_t value, int64_t x, int64_t y);
    int8_t valueAt(int64_t x, int64_t y) const;
    int64_t dimension() const { return _dimension; }
    // Per row from the top, every module's value as a number, then a line break.
    QString description() const;

private:
    int64_t _dimension = 0;
    std::vector<int8_t> _data;   // row y at y * _dimension
};

} // namespace qr
