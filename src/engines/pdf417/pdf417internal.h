#pragma once
// The steps of the PDF417 encoder, open to its own sources and tests; callers use pdf417lib.h.

#include "engines/pdf417/pdf417lib.h"

#include <vector>

namespace pdf417 {

// One run of the data to be compacted alike: 'T' text, 'B' byte or 'N' numeric, bytes [start, end).
struct Segment {
    char type;
    int start;
    int end;
};

// The segments of one encoding, in data order.
struct SegmentList {
    std::vector<Segment> items;
};

void listInit(SegmentList *list);                        // empty, room for 20 entries
void listAdd(SegmentList *list, char type, int start, int end);
Segment *listGet(SegmentList *list, int index);          // nullptr outside the list
void listRemove(SegmentList *list, int index);
void listFree(SegmentList *list);
bool checkElementType(const Segment *segment, char type);   // false for nullptr
int getElementLength(const Segment *segment);               // 0 for nullptr

// Text classes of a byte, ORed with its text value (in the low byte) by getTextTypeAndValue.
enum TextClass {
    ClassAlpha = 0x100,
    ClassLower = 0x200,
    ClassMixed = 0x400,
    ClassPunctuation = 0x800,
    ClassByte = 0x1000,
    ClassValueMask = 0xff
};

// Codeword values of the mode switches.
enum ModeCodewords {
    LatchText = 900,        // also the pad codeword
    LatchByte = 901,
    LatchNumeric = 902,
    ShiftByte = 913,
    LatchByte6 = 924        // byte count a multiple of 6
};

// Splits the record's data into segments and merges short ones.
void breakString(const _pdf417param *param, SegmentList *list);
// Compacts the segments into codewords from index lenCodewords on; stops at the first error.
void assemble(_pdf417param *param, const SegmentList *list);
void textCompaction(_pdf417param *param, int start, int length);
void numberCompaction(_pdf417param *param, int start, int length);
void basicNumberCompaction(_pdf417param *param, int start, int length);   // up to 44 digits
void byteCompaction(_pdf417param *param, int start, int length);
void byteCompaction6(_pdf417param *param, int start);                      // 6 bytes -> 5 codewords
// Class bits and value of the byte at index in the text of the given length (0 past the end).
int getTextTypeAndValue(const unsigned char *text, int length, int index);

// The largest level 8 .. 1 whose 2^(level + 1) codewords fit in remain, else 0.
int maxPossibleErrorLevel(int remain);
// 928 codewords: 16 x 58 when the columns were below 22, else 29 x 32.
void getMaxSquare(_pdf417param *param);
// Appends 2^(errorLevel + 1) correction codewords after the first dest codewords.
void calculateErrorCorrection(_pdf417param *param, int dest);

// Painting: a bit cursor over the bitmap, patterns ORed most significant bit first.
struct BitCursor {
    unsigned char *bits;
    int position;   // in bits from the start of the bitmap
};
void outPaintCode(_pdf417param *param);
void outStartPattern(BitCursor *cursor);
void outStopPattern(BitCursor *cursor);
void outCodeword(BitCursor *cursor, int cluster, int codeword);
void outCodeword17(BitCursor *cursor, int pattern);
void outCodeword18(BitCursor *cursor, int pattern);

} // namespace pdf417
