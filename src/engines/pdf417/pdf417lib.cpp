// The PDF417 encoder: layout of rows and columns, error level, padding and painting.

#include "engines/pdf417/pdf417lib.h"

#include "engines/pdf417/pdf417internal.h"
#include "engines/pdf417/pdf417tables.h"

#include <cmath>
#include <cstring>

namespace pdf417 {

_pdf417param *pdf417init(_pdf417param *param)
{
    param->outBits.clear();
    param->outBits.shrink_to_fit();
    param->lenBits = 0;
    param->bitColumns = 0;
    param->options = 0;
    param->error = ErrorNone;
    param->lenText = -1;
    param->text = "";
    param->yHeight = 3.0f;
    param->aspectRatio = 0.5f;
    return param;
}

void pdf417free(_pdf417param *param)
{
    param->outBits.clear();
    param->outBits.shrink_to_fit();
}

int maxPossibleErrorLevel(int remain)
{
    for (int level = 8; level > 0; --level) {
        if ((1 << (level + 1)) <= remain)
            return level;
    }
    return 0;
}

void getMaxSquare(_pdf417param *param)
{
    if (param->codeColumns < 22) {
        param->codeColumns = 16;
        param->codeRows = 58;
    } else {
        param->codeColumns = 29;
        param->codeRows = 32;
    }
}

namespace {

int clampInt(int v, int lo, int hi)
{
    return v < lo ? lo : (v > hi ? hi : v);
}

// The data codewords from the text, or the caller's codewords checked; false on an error.
bool prepareCodewords(_pdf417param *param)
{
    if (param->options & OptionRawCodewords) {
        const int n = param->lenCodewords;
        if (n < 1 || n > MaxDataCodewords || n != param->codewords[0]) {
            param->error = ErrorInvalidCodewords;
            return false;
        }
        // A value outside the symbol character set has no pattern to paint.
        for (int i = 0; i < n; ++i) {
            if (param->codewords[i] < 0 || param->codewords[i] > 928) {
                param->error = ErrorInvalidCodewords;
                return false;
            }
        }
        return true;
    }
    if (!param->text)
        param->text = "";
    if (param->lenText < 0)
        param->lenText = int(std::strlen(param->text));
    if (param->lenText > MaxTextBytes) {
        param->error = ErrorDataTooLong;
        return false;
    }
    SegmentList list;
    breakString(param, &list);
    param->lenCodewords = 1;   // the length descriptor comes first
    assemble(param, &list);
    listFree(&list);
    if (param->error)
        return false;
    param->codewords[0] = param->lenCodewords;
    return true;
}

// Columns that give the symbol the wanted aspect ratio for `needed` codewords.
int estimateColumns(_pdf417param *param, int needed)
{
    float aspect = param->aspectRatio;
    if (!(aspect >= 0.001f))   // also catches NaN
        aspect = 0.001f;
    else if (aspect > 1000.0f)
        aspect = 1000.0f;
    param->aspectRatio = aspect;
    const float b = 73.0f * aspect - 4.0f;
    const float underRoot = b * b + 68.0f * aspect * float(needed) * param->yHeight;
    const float denominator = 34.0f * aspect;
    const double root = std::sqrt(double(underRoot < 0.0f ? 0.0f : underRoot));
    const double columns = 0.5 + (double(-b) + root) / double(denominator);
    return clampInt(int(columns), 1, 30);
}

} // namespace

void paintCode(_pdf417param *param)
{
    param->error = ErrorNone;
    pdf417free(param);
    param->lenBits = 0;
    param->bitColumns = 0;
    if (!prepareCodewords(param))
        return;

    const int maxLevel = maxPossibleErrorLevel(MaxCodewords - param->lenCodewords);
    if (!(param->options & OptionUseErrorLevel)) {
        const int n = param->lenCodewords;
        param->errorLevel = n < 41 ? 2 : n < 161 ? 3 : n < 321 ? 4 : 5;
    }
    param->errorLevel = clampInt(param->errorLevel, 0, maxLevel);

    param->codeColumns = clampInt(param->codeColumns, 1, 30);
    param->codeRows = clampInt(param->codeRows, 3, 90);
    const int needed = param->lenCodewords + (1 << (param->errorLevel + 1));
    bool rowsFollowColumns = !(param->options & OptionFixedRows);
    bool recompute = true;
    int total = 0;

    if (param->options & OptionFixedRectangle) {
        total = param->codeColumns * param->codeRows;
        if (total > MaxCodewords) {
            getMaxSquare(param);
            total = MaxCodewords;
        }
        if (total < needed)
            total = needed;
        else
            recompute = false;
    } else if (!(param->options & (OptionFixedColumns | OptionFixedRows))) {
        rowsFollowColumns = true;
        param->codeColumns = estimateColumns(param, needed);
    }

    if (recompute) {
        if (rowsFollowColumns) {
            param->codeRows = (needed - 1) / param->codeColumns + 1;
            if (param->codeRows < 3) {
                param->codeRows = 3;
            } else if (param->codeRows > 90) {
                param->codeRows = 90;
                param->codeColumns = (needed - 1) / 90 + 1;
            }
        } else {
            param->codeColumns = (needed - 1) / param->codeRows + 1;
            if (param->codeColumns > 30) {
                param->codeColumns = 30;
                param->codeRows = (needed - 1) / 30 + 1;
            }
        }
        total = param->codeRows * param->codeColumns;
    }
    if (total > MaxCodewords) {
        getMaxSquare(param);
        total = MaxCodewords;
    }

    // Whatever room the rectangle leaves goes to error correction, the rest to padding.
    param->errorLevel = maxPossibleErrorLevel(total - param->lenCodewords);
    const int correction = 1 << (param->errorLevel + 1);
    const int pad = total - correction - param->lenCodewords;
    for (int i = 0; i < pad; ++i)
        param->codewords[param->lenCodewords++] = LatchText;
    param->codewords[0] = param->lenCodewords;
    calculateErrorCorrection(param, param->lenCodewords);
    param->lenCodewords = total;
    outPaintCode(param);
}

// ---- painting ----

void outCodeword17(BitCursor *cursor, int pattern)
{
    for (int bit = 16; bit >= 0; --bit, ++cursor->position) {
        if (pattern & (1 << bit))
            cursor->bits[cursor->position >> 3] |= static_cast<unsigned char>(0x80 >> (cursor->position & 7));
    }
}

void outCodeword18(BitCursor *cursor, int pattern)
{
    for (int bit = 17; bit >= 0; --bit, ++cursor->position) {
        if (pattern & (1 << bit))
            cursor->bits[cursor->position >> 3] |= static_cast<unsigned char>(0x80 >> (cursor->position & 7));
    }
}

void outCodeword(BitCursor *cursor, int cluster, int codeword)
{
    outCodeword17(cursor, CLUSTERS[cluster][codeword]);
}

void outStartPattern(BitCursor *cursor)
{
    outCodeword17(cursor, START_PATTERN);
}

void outStopPattern(BitCursor *cursor)
{
    outCodeword18(cursor, STOP_PATTERN);
}

void outPaintCode(_pdf417param *param)
{
    const int columns = param->codeColumns;
    const int rows = param->codeRows;
    param->bitColumns = 17 * (columns + 3) + 18;
    const int stride = (param->bitColumns - 1) / 8 + 1;
    param->lenBits = stride * rows;
    param->outBits.assign(size_t(param->lenBits), 0);

    const int level = param->errorLevel;
    int next = 0;
    for (int r = 0; r < rows; ++r) {
        BitCursor cursor{param->outBits.data(), r * stride * 8};
        const int cluster = r % 3;
        const int q = 30 * (r / 3);
        int left = 0;
        int right = 0;
        switch (cluster) {
        case 0:
            left = q + (rows - 1) / 3;
            right = q + columns - 1;
            break;
        case 1:
            left = q + 3 * level + (rows - 1) % 3;
            right = q + (rows - 1) / 3;
            break;
        default:
            left = q + columns - 1;
            right = q + 3 * level + (rows - 1) % 3;
            break;
        }
        outStartPattern(&cursor);
        outCodeword(&cursor, cluster, left);
        for (int c = 0; c < columns; ++c)
            outCodeword(&cursor, cluster, param->codewords[next++]);
        outCodeword(&cursor, cluster, right);
        outStopPattern(&cursor);
    }

    if (param->options & OptionInvertBitmap) {
        for (unsigned char &byte : param->outBits)
            byte = static_cast<unsigned char>(~byte);
    }
}

} // namespace pdf417
