#pragma once
// Test-side drawing and reading of linear symbols: a model's bars drawn with their own vertical
// extents, the rows and columns a reader would scan, and zxing reads with symbology options.

#include "engines/linear/NKDBarcode.h"

#include <QImage>
#include <QString>
#include <memory>
#include <random>
#include <vector>

namespace lineartest {

// A model made through the registered factory of a symbology title and constructed with the value
// (caption on); null when the title is unknown or construction fails.
std::unique_ptr<NKDBarcode> makeModel(const QString &title, const QString &value);

// A random string of length minLength..maxLength drawn from the characters of alphabet.
QByteArray randomText(std::mt19937 &rng, const QByteArray &alphabet, int minLength, int maxLength);

// The model's complete pattern drawn black on white, pixelsPerModule per module and
// pixelsPerPoint vertically, with a light border. Four-state bars span barBottom()..barTop(); all
// others stand on the baseline and rise to barTop(), as the picture renderer draws them.
QImage renderWithExtents(const NKDBarcode &model, int pixelsPerModule = 3, double pixelsPerPoint = 8.0);

// One dark bar found in an image: its columns and its rows (top < bottom, image rows grow downward).
struct FoundBar {
    int left = 0, right = 0;
    int top = 0, bottom = 0;
};
// Bars as maximal runs of columns that hold a dark pixel, left to right.
std::vector<FoundBar> findBars(const QImage &image);

// Alternating dark and light run lengths along the middle row, from the first dark pixel to the
// last (so the list starts and ends with a dark run).
std::vector<int> middleRowRuns(const QImage &image);

// zxing-cpp on the pattern of a model rendered as plain bars. extendedCode39 reads the full-ASCII
// pairs; codabarStartStop keeps the start and stop characters in the text. bytes: the text read,
// as bytes (control characters kept).
struct ZxingRead {
    bool ok = false;
    QByteArray bytes;
    QString format;
};
ZxingRead readWithZxing(const QString &pattern, const QString &format, bool extendedCode39 = false,
                        bool codabarStartStop = false);

} // namespace lineartest
