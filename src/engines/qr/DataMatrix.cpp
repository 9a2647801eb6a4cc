#include "engines/qr/DataMatrix.h"

namespace qr {

DataMatrix::DataMatrix(int64_t dimension)
    : _dimension(dimension > 0 ? dimension : 0),
      _data(size_t(_dimension) * size_t(_dimension), 0)
{
}

void DataMatrix::set(int8_t value, int64_t x, int64_t y)
{
    if (x < 0 || y < 0 || x >= _dimension || y >= _dimension)
        return;
    _data[size_t(y) * size_t(_dimension) + size_t(x)] = value;
}

int8_t DataMatrix::valueAt(int64_t x, int64_t y) const
{
    if (x < 0 || y < 0 || x >= _dimension || y >= _dimension)
        return 0;
    return _data[size_t(y) * size_t(_dimension) + size_t(x)];
}

QString DataMatrix::description() const
{
    QString text;
    text.reserve(int(_dimension * (_dimension + 1)));
    for (int64_t y = 0; y < _dimension; ++y) {
        for (int64_t x = 0; x < _dimension; ++x)
            text += QString::number(valueAt(x, y));
        text += QLatin1Char('\n');
    }
    return text;
}

} // namespace qr
