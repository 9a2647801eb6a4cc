// Segmentation of the data and the three compaction modes of the PDF417 encoder.

#include "engines/pdf417/pdf417internal.h"
#include "engines/pdf417/pdf417tables.h"

#include <cstdint>
#include <cstring>

namespace pdf417 {

const char MIXED_SET[] = "0123456789&\r\t,:#-.$/+%*=^";
const char PUNCTUATION_SET[] = ";<>@[\\]_`~!\r\t,:\n-.$/\"|*()?{}'";

namespace {

const unsigned char *dataOf(const _pdf417param *param)
{
    return reinterpret_cast<const unsigned char *>(param->text ? param->text : "");
}

bool isTextByte(unsigned char c)
{
    return c == '\t' || c == '\n' || c == '\r' || (c >= 32 && c <= 126);
}

bool isDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

// Value of c in a sub-mode table, or -1.
int indexIn(const char *set, unsigned char c)
{
    if (c == 0)
        return -1;
    const char *hit = std::strchr(set, c);
    return hit ? int(hit - set) : -1;
}

// Cuts [from, to) into alternating text and byte segments wherever the text-byte property changes.
void cutTextAndBytes(const unsigned char *text, int from, int to, SegmentList *list)
{
    int k = from;
    while (k < to) {
        const bool textRun = isTextByte(text[k]);
        int end = k + 1;
        while (end < to && isTextByte(text[end]) == textRun)
            ++end;
        listAdd(list, textRun ? 'T' : 'B', k, end);
        k = end;
    }
}

// Joins a one-byte "B" between two "T" segments whose lengths add up to 3 or more.
bool joinShortByteIntoText(SegmentList *list)
{
    for (int i = 1; i + 1 < int(list->items.size()); ++i) {
        Segment *prev = listGet(list, i - 1);
        Segment *cur = listGet(list, i);
        Segment *next = listGet(list, i + 1);
        if (checkElementType(cur, 'B') && getElementLength(cur) == 1 && checkElementType(prev, 'T')
            && checkElementType(next, 'T') && getElementLength(prev) + getElementLength(next) >= 3) {
            prev->end = next->end;
            listRemove(list, i + 1);
            listRemove(list, i);
            return true;
        }
    }
    return false;
}

// One merge step: the first segment that grows absorbs a neighbour that may be absorbed, the one
// before it first. Answers whether anything merged.
template <typename Grows, typename Absorbable>
bool absorbNeighbour(SegmentList *list, Grows grows, Absorbable absorbable)
{
    for (int i = 0; i < int(list->items.size()); ++i) {
        Segment *cur = listGet(list, i);
        if (!grows(cur))
            continue;
        Segment *prev = listGet(list, i - 1);
        if (absorbable(prev)) {
            cur->start = prev->start;
            listRemove(list, i - 1);
            return true;
        }
        Segment *next = listGet(list, i + 1);
        if (absorbable(next)) {
            cur->end = next->end;
            listRemove(list, i + 1);
            return true;
        }
    }
    return false;
}

// A "T" of 5 bytes or more absorbs a neighbouring "T" or one-byte "B".
bool growLongText(SegmentList *list)
{
    return absorbNeighbour(
        list, [](const Segment *s) { return checkElementType(s, 'T') && getElementLength(s) >= 5; },
        [](const Segment *s) { return checkElementType(s, 'T') || (checkElementType(s, 'B') && getElementLength(s) == 1); });
}

// A "B" absorbs a neighbouring "B" or "T" shorter than 5 bytes.
bool growBytes(SegmentList *list)
{
    return absorbNeighbour(
        list, [](const Segment *s) { return checkElementType(s, 'B'); },
        [](const Segment *s) { return checkElementType(s, 'B') || (checkElementType(s, 'T') && getElementLength(s) < 5); });
}

void fail(_pdf417param *param)
{
    param->error = ErrorDataTooLong;
}

} // namespace

// ---- segment list ----

void listInit(SegmentList *list)
{
    list->items.clear();
    list->items.reserve(20);
}

void listAdd(SegmentList *list, char type, int start, int end)
{
    list->items.push_back({type, start, end});
}

Segment *listGet(SegmentList *list, int index)
{
    if (index < 0 || index >= int(list->items.size()))
        return nullptr;
    return &list->items[size_t(index)];
}

void listRemove(SegmentList *list, int index)
{
    if (index >= 0 && index < int(list->items.size()))
        list->items.erase(list->items.begin() + index);
}

void listFree(SegmentList *list)
{
    list->items.clear();
    list->items.shrink_to_fit();
}

bool checkElementType(const Segment *segment, char type)
{
    return segment && segment->type == type;
}

int getElementLength(const Segment *segment)
{
    return segment ? segment->end - segment->start : 0;
}

// ---- segmentation ----

void breakString(const _pdf417param *param, SegmentList *list)
{
    const unsigned char *text = dataOf(param);
    const int length = param->lenText;
    listInit(list);

    // Runs of 13 digits or more are numeric; what lies between them alternates text and bytes.
    int segmented = 0;
    for (int k = 0; k < length;) {
        if (!isDigit(text[k])) {
            ++k;
            continue;
        }
        int end = k;
        while (end < length && isDigit(text[end]))
            ++end;
        if (end - k >= 13) {
            cutTextAndBytes(text, segmented, k, list);
            listAdd(list, 'N', k, end);
            segmented = end;
        }
        k = end;
    }
    cutTextAndBytes(text, segmented, length, list);

    while (joinShortByteIntoText(list)) {}
    while (growLongText(list)) {}
    while (growBytes(list)) {}

    // A text of 8 or more digits alone packs better as numbers.
    if (list->items.size() == 1) {
        Segment *only = listGet(list, 0);
        if (checkElementType(only, 'T') && getElementLength(only) >= 8) {
            bool digits = true;
            for (int k = only->start; k < only->end && digits; ++k)
                digits = isDigit(text[k]);
            if (digits)
                only->type = 'N';
        }
    }
}

void assemble(_pdf417param *param, const SegmentList *list)
{
    for (size_t i = 0; i < list->items.size(); ++i) {
        const Segment &s = list->items[i];
        const int length = s.end - s.start;
        switch (s.type) {
        case 'B':
            param->codewords[param->lenCodewords++] = (length % 6 == 0) ? LatchByte6 : LatchByte;
            byteCompaction(param, s.start, length);
            break;
        case 'T':
            if (i != 0)   // text is the mode a symbol starts in
                param->codewords[param->lenCodewords++] = LatchText;
            textCompaction(param, s.start, length);
            break;
        case 'N':
            param->codewords[param->lenCodewords++] = LatchNumeric;
            numberCompaction(param, s.start, length);
            break;
        default:
            break;
        }
        if (param->error)
            return;
    }
}

// ---- text compaction ----

int getTextTypeAndValue(const unsigned char *text, int length, int index)
{
    if (index < 0 || index >= length)
        return 0;
    const unsigned char c = text[index];
    if (c >= 'A' && c <= 'Z')
        return ClassAlpha | (c - 'A');
    if (c >= 'a' && c <= 'z')
        return ClassLower | (c - 'a');
    if (c == ' ')
        return ClassAlpha | ClassLower | ClassMixed | 26;
    const int mixed = indexIn(MIXED_SET, c);
    const int punctuation = indexIn(PUNCTUATION_SET, c);
    if (mixed >= 0 && mixed == punctuation)
        return ClassMixed | ClassPunctuation | mixed;
    if (mixed >= 0)
        return ClassMixed | mixed;
    if (punctuation >= 0)
        return ClassPunctuation | punctuation;
    return ClassByte | c;
}

void textCompaction(_pdf417param *param, int start, int length)
{
    enum Mode { Alpha, Lower, Mixed, Punctuation };
    const unsigned char *text = dataOf(param) + start;

    // Sub-mode values, and the byte shifts: ShiftByte followed by the byte itself.
    std::vector<int> values;
    values.reserve(size_t(length) * 2);
    int textValues = 0;
    int byteShifts = 0;
    const auto put = [&](int v) {
        values.push_back(v);
        ++textValues;
    };
    const auto nextTwoAre = [&](int k, int cls) {
        return (getTextTypeAndValue(text, length, k + 1) & cls) && (getTextTypeAndValue(text, length, k + 2) & cls);
    };

    Mode mode = Alpha;
    for (int k = 0; k < length; ++k) {
        const int tv = getTextTypeAndValue(text, length, k);
        const int value = tv & ClassValueMask;
        const int modeClass = mode == Alpha ? ClassAlpha
                              : mode == Lower ? ClassLower
                              : mode == Mixed ? ClassMixed
                                              : ClassPunctuation;
        if (tv & modeClass) {
            put(value);
            continue;
        }
        if (tv & ClassByte) {
            // The shift must start a codeword.
            if (textValues & 1) {
                put(29);
                if (mode == Punctuation)
                    mode = Alpha;
            }
            values.push_back(ShiftByte);
            values.push_back(value);
            ++byteShifts;
            continue;
        }
        switch (mode) {
        case Alpha:
            if (tv & ClassLower) {
                put(27);
                put(value);
                mode = Lower;
            } else if (tv & ClassMixed) {
                put(28);
                put(value);
                mode = Mixed;
            } else if (nextTwoAre(k, ClassPunctuation)) {
                put(28);
                put(25);
                put(value);
                mode = Punctuation;
            } else {
                put(29);
                put(value);
            }
            break;
        case Lower:
            if (tv & ClassAlpha) {
                if (nextTwoAre(k, ClassAlpha)) {
                    put(28);
                    put(28);
                    mode = Alpha;
                } else {
                    put(27);
                }
                put(value);
            } else if (tv & ClassMixed) {
                put(28);
                put(value);
                mode = Mixed;
            } else if (nextTwoAre(k, ClassPunctuation)) {
                put(28);
                put(25);
                put(value);
                mode = Punctuation;
            } else {
                put(29);
                put(value);
            }
            break;
        case Mixed:
            if (tv & ClassLower) {
                put(27);
                put(value);
                mode = Lower;
            } else if (tv & ClassAlpha) {
                put(28);
                put(value);
                mode = Alpha;
            } else if (nextTwoAre(k, ClassPunctuation)) {
                put(25);
                put(value);
                mode = Punctuation;
            } else {
                put(29);
                put(value);
            }
            break;
        case Punctuation:
            put(29);
            mode = Alpha;
            --k;   // the same byte again, now in Alpha
            break;
        }
    }
    if (textValues & 1)
        put(29);

    const int needed = textValues / 2 + 2 * byteShifts;
    if (param->lenCodewords + needed > MaxDataCodewords) {
        fail(param);
        return;
    }
    for (size_t i = 0; i < values.size();) {
        if (values[i] == ShiftByte) {
            param->codewords[param->lenCodewords++] = ShiftByte;
            param->codewords[param->lenCodewords++] = values[i + 1];
            i += 2;
        } else {
            param->codewords[param->lenCodewords++] = 30 * values[i] + values[i + 1];
            i += 2;
        }
    }
}

// ---- numeric compaction ----

void numberCompaction(_pdf417param *param, int start, int length)
{
    const int full = length / 44;
    const int rest = length % 44;
    const int needed = full * 15 + (rest ? rest / 3 + 1 : 0);
    if (param->lenCodewords + needed > MaxDataCodewords) {
        fail(param);
        return;
    }
    for (int k = 0; k < length; k += 44)
        basicNumberCompaction(param, start + k, length - k < 44 ? length - k : 44);
}

void basicNumberCompaction(_pdf417param *param, int start, int length)
{
    const unsigned char *text = dataOf(param) + start;
    // The decimal number "1" followed by the digits, most significant digit first.
    int digits[45];
    digits[0] = 1;
    for (int k = 0; k < length; ++k)
        digits[k + 1] = text[k] - '0';
    const int count = length / 3 + 1;
    int *out = param->codewords + param->lenCodewords;
    // Long division by 900 yields the base-900 digits from the least significant one.
    for (int j = count - 1; j >= 0; --j) {
        int remainder = 0;
        for (int k = 0; k <= length; ++k) {
            const int current = remainder * 10 + digits[k];
            digits[k] = current / 900;
            remainder = current % 900;
        }
        out[j] = remainder;
    }
    param->lenCodewords += count;
}

// ---- byte compaction ----

void byteCompaction(_pdf417param *param, int start, int length)
{
    const int needed = (length / 6) * 5 + length % 6;
    if (param->lenCodewords + needed > MaxDataCodewords) {
        fail(param);
        return;
    }
    const unsigned char *text = dataOf(param);
    int k = start;
    for (; k + 6 <= start + length; k += 6)
        byteCompaction6(param, k);
    for (; k < start + length; ++k)
        param->codewords[param->lenCodewords++] = text[k];
}

void byteCompaction6(_pdf417param *param, int start)
{
    const unsigned char *text = dataOf(param) + start;
    std::uint64_t value = 0;
    for (int k = 0; k < 6; ++k)
        value = (value << 8) | text[k];
    for (int j = 4; j >= 0; --j) {
        param->codewords[param->lenCodewords + j] = int(value % 900);
        value /= 900;
    }
    param->lenCodewords += 5;
}

} // namespace pdf417
