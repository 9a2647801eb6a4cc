// The six ECC200 encodations and the automatic choice among them.

#include "engines/datamatrix/iec16022ecc200.h"

#include <array>
#include <cstdio>

namespace datamatrix {

namespace {

enum Enc { EncA = 0, EncC = 1, EncT = 2, EncX = 3, EncE = 4, EncB = 5, EncCount = 6 };

// Codewords spent when the encodation changes from the row to the column.
constexpr int switchcost[EncCount][EncCount] = {
    {0, 1, 1, 1, 1, 2},   // from ASCII: latch; Base 256 also needs its length
    {1, 0, 2, 2, 2, 3},   // from C40: unlatch, then latch
    {1, 2, 0, 2, 2, 3},   // from Text
    {1, 2, 2, 0, 2, 3},   // from X12
    {1, 2, 2, 2, 0, 3},   // from EDIFACT
    {0, 1, 1, 1, 1, 0},   // from Base 256: the field's length ends it, the next one is in ASCII
};

constexpr int LatchC40 = 230, LatchBase256 = 231, UpperShift = 235, LatchX12 = 238, LatchText = 239,
              LatchEdifact = 240, Unlatch = 254, UnlatchEdifact = 124, Pad = 129;

bool isDigit(int c) { return c >= '0' && c <= '9'; }
bool isEdifact(int c) { return c >= 32 && c <= 94; }
bool isTriplet(int e) { return e == EncC || e == EncT || e == EncX; }

int encodationOf(char letter)
{
    switch (letter) {
    case 'A': case 'a': return EncA;
    case 'C': case 'c': return EncC;
    case 'T': case 't': return EncT;
    case 'X': case 'x': return EncX;
    case 'E': case 'e': return EncE;
    case 'B': case 'b': return EncB;
    default: return -1;
    }
}

char lowerLetter(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool isX12(int c)
{
    return c == 13 || c == '*' || c == '>' || c == ' ' || isDigit(c) || (c >= 'A' && c <= 'Z');
}

// The values of one byte in C40 (EncC), Text (EncT) or X12 (EncX); answers their count, 0 when
// X12 cannot hold the byte.
int setValues(int e, int c, int out[4])
{
    if (e == EncX) {
        if (c == 13) out[0] = 0;
        else if (c == '*') out[0] = 1;
        else if (c == '>') out[0] = 2;
        else if (c == ' ') out[0] = 3;
        else if (isDigit(c)) out[0] = c - '0' + 4;
        else if (c >= 'A' && c <= 'Z') out[0] = c - 'A' + 14;
        else return 0;
        return 1;
    }
    int n = 0;
    if (c >= 128) {   // upper shift
        out[n++] = 1;
        out[n++] = 30;
        c -= 128;
    }
    const char basicFrom = e == EncC ? 'A' : 'a';
    if (c == ' ') {
        out[n++] = 3;
    } else if (isDigit(c)) {
        out[n++] = c - '0' + 4;
    } else if (c >= basicFrom && c <= basicFrom + 25) {
        out[n++] = c - basicFrom + 14;
    } else if (c < 32) {
        out[n++] = 0;
        out[n++] = c;
    } else if (c <= 47) {
        out[n++] = 1;
        out[n++] = c - 33;
    } else if (c >= 58 && c <= 64) {
        out[n++] = 1;
        out[n++] = c - 58 + 15;
    } else if (c >= 91 && c <= 95) {
        out[n++] = 1;
        out[n++] = c - 91 + 22;
    } else if (e == EncC) {   // 96-127
        out[n++] = 2;
        out[n++] = c - 96;
    } else if (c == 96) {     // Text's shift 3: grave accent, capitals, { | } ~ DEL
        out[n++] = 2;
        out[n++] = 0;
    } else if (c >= 'A' && c <= 'Z') {
        out[n++] = 2;
        out[n++] = c - 'A' + 1;
    } else {
        out[n++] = 2;
        out[n++] = c - 123 + 27;
    }
    return n;
}

// Codeword output bounded by the capacity; a write past it marks the encoding as failed.
struct Writer {
    std::uint8_t *t;
    int tl;
    int tp = 0;
    bool overflow = false;

    int remaining() const { return tl - tp; }
    bool put(int v)
    {
        if (tp >= tl) {
            overflow = true;
            return false;
        }
        t[tp++] = std::uint8_t(v);
        return true;
    }
    // A Base 256 field codeword, randomised by its position (counted from 1).
    bool put255(int v)
    {
        const int p = tp + 1;
        return put((v + ((149 * p) % 255) + 1) % 256);
    }
};

void setError(std::string *error, const char *format, int value)
{
    if (!error)
        return;
    char buf[96];
    std::snprintf(buf, sizeof buf, format, value);
    *error = buf;
}

} // namespace

bool ecc200encode(std::uint8_t *t, int tl, const std::uint8_t *s, int sl, std::string_view encoding,
                  int *lenp, std::string *error)
{
    if (lenp)
        *lenp = 0;
    if (std::size_t(sl) > encoding.size()) {
        if (error)
            *error = "Encoding string too short\n";
        return false;
    }
    Writer w{t, tl};
    int enc = EncA;
    int sp = 0;
    // Bytes from here on are written in ASCII whatever their letters: the tail of a C40, Text or
    // X12 run that could not be closed as a whole triple at the end of the data.
    int asciiFrom = sl;

    auto letterAt = [&](int i) { return i >= asciiFrom ? 'A' : encoding[std::size_t(i)]; };
    auto leave = [&]() {   // the unlatch of the current encodation
        if (isTriplet(enc))
            w.put(Unlatch);
        else if (enc == EncE)
            w.put(UnlatchEdifact);
        enc = EncA;
    };

    while (sp < sl && w.tp < tl && !w.overflow) {
        const char letter = letterAt(sp);
        const int e = encodationOf(letter);
        if (e < 0) {
            setError(error, "Unknown encoding %c\n", lowerLetter(letter));
            return false;
        }
        switch (e) {
        case EncA:
            leave();
            if (sl - sp >= 2 && isDigit(s[sp]) && isDigit(s[sp + 1])) {
                w.put(130 + (s[sp] - '0') * 10 + (s[sp + 1] - '0'));
                sp += 2;
            } else if (s[sp] >= 128) {
                w.put(UpperShift);
                w.put(s[sp] - 127);
                ++sp;
            } else {
                w.put(s[sp] + 1);
                ++sp;
            }
            break;

        case EncB: {
            leave();
            int n = 0;
            while (sp + n < sl && sp + n < asciiFrom && encodationOf(encoding[std::size_t(sp + n)]) == EncB)
                ++n;
            w.put(LatchBase256);
            if (n < 250) {
                w.put255(n);
            } else {
                w.put255(n / 250 + 249);
                w.put255(n % 250);
            }
            for (int i = 0; i < n && w.put255(s[sp]); ++i)
                ++sp;
            break;
        }

        case EncC:
        case EncT:
        case EncX: {
            // The run continues over the following bytes whatever their letters until the
            // values close a triple or the data ends.
            const int startSp = sp, startTp = w.tp, startEnc = enc;
            int values[8], owners[8];
            int pending = 0;
            int lastWrittenOwner = -1;
            for (;;) {
                int v[4];
                const int nv = setValues(e, s[sp], v);
                if (nv == 0) {
                    setError(error, "Cannot encode char 0x%02X in X12\n", s[sp]);
                    return false;
                }
                for (int i = 0; i < nv; ++i) {
                    values[pending] = v[i];
                    owners[pending++] = sp;
                }
                ++sp;
                // Two values left for the last two codewords: Shift 1 completes the triple (X12
                // has no shifts; there the value would read as a carriage return).
                if (e != EncX && enc == e && pending == 2 && w.remaining() == 2 && sp == sl) {
                    values[pending] = 0;
                    owners[pending++] = -1;
                }
                while (pending >= 3) {
                    if (enc != e) {
                        leave();
                        w.put(e == EncC ? LatchC40 : e == EncT ? LatchText : LatchX12);
                        enc = e;
                    }
                    const int n = 1600 * values[0] + 40 * values[1] + values[2] + 1;
                    w.put(n / 256);
                    w.put(n % 256);
                    if (w.overflow) {
                        if (lenp)
                            *lenp = w.tp;
                        return false;
                    }
                    lastWrittenOwner = owners[2];
                    pending -= 3;
                    for (int i = 0; i < pending; ++i) {
                        values[i] = values[i + 3];
                        owners[i] = owners[i + 3];
                    }
                }
                if (pending == 0 || sp >= sl)
                    break;
            }
            if (pending > 0) {
                // The data ended inside a triple: the bytes whose values are all pending go to
                // ASCII; a byte split across the last triple sends the whole run there instead.
                if (owners[0] == lastWrittenOwner) {
                    sp = startSp;
                    w.tp = startTp;
                    enc = startEnc;
                } else {
                    sp = owners[0];
                }
                asciiFrom = sp;
            }
            if (w.remaining() < 2)
                enc = EncA;   // at most one codeword left: the return to ASCII is implied
            break;
        }

        case EncE: {
            int k = 0;
            while (k < 4 && sp + k < sl && sp + k < asciiFrom && encodationOf(encoding[std::size_t(sp + k)]) == EncE) {
                if (!isEdifact(s[sp + k])) {
                    setError(error, "Cannot encode char 0x%02X in EDIFACT\n", s[sp + k]);
                    return false;
                }
                ++k;
            }
            // A group that would start with two codewords or fewer left reads as ASCII there (the
            // return from EDIFACT is implied), so the last bytes of the data go in ASCII instead.
            const int latchCost = enc == EncE ? 0 : isTriplet(enc) ? 2 : 1;
            if (k < 4 && sp + k == sl && w.remaining() - latchCost <= 2) {
                asciiFrom = sp;
                break;
            }
            if (isTriplet(enc)) {
                w.put(Unlatch);
                w.put(LatchEdifact);
            } else if (enc == EncA) {
                w.put(LatchEdifact);
            }
            enc = EncE;
            int v[4];
            for (int i = 0; i < k; ++i)
                v[i] = s[sp + i] & 0x3F;
            int nv = k;
            if (k < 4)
                v[nv++] = 31;
            const std::uint32_t bits = (std::uint32_t(v[0]) << 18) | (std::uint32_t(nv > 1 ? v[1] : 0) << 12)
                | (std::uint32_t(nv > 2 ? v[2] : 0) << 6) | std::uint32_t(nv > 3 ? v[3] : 0);
            w.put(int(bits >> 16));
            w.put(int((bits >> 8) & 0xFF));
            if (nv > 2)
                w.put(int(bits & 0xFF));
            if (k < 4)
                enc = EncA;
            sp += k;
            if (w.remaining() <= 2)
                enc = EncA;
            break;
        }
        }
    }

    if (lenp)
        *lenp = w.tp;
    if (w.overflow)
        return false;
    if (w.tp < tl && enc != EncA)
        leave();
    if (w.tp < tl)
        w.put(Pad);
    while (w.tp < tl) {
        const int p = w.tp + 1;
        int v = Pad + ((149 * p) % 253) + 1;
        if (v > 254)
            v -= 254;
        w.put(v);
    }
    return sp >= sl;
}

std::optional<std::string> encmake(int l, const std::uint8_t *s, int *lenp, bool exact)
{
    if (lenp)
        *lenp = 0;
    if (l < 0 || l > encmakeMaxLength)
        return std::nullopt;
    if (l == 0)
        return std::string();

    // cost: codewords for bytes p..l-1 when a run of the encodation starts at p (0 impossible);
    // run: the bytes that run covers; endsAscii: an EDIFACT run whose last group carries its own
    // unlatch, so that the next encodation starts from ASCII.
    struct Cell {
        std::int16_t cost = 0;
        std::int16_t run = 0;
        bool endsAscii = false;
    };
    std::vector<std::array<Cell, EncCount>> T(std::size_t(l) + 1);
    auto at = [&](int p, int e) -> Cell & { return T[std::size_t(p)][std::size_t(e)]; };

    // The cheapest continuation at r from encodation f; *next receives it (-1 at the end).
    auto bestNext = [&](int r, int f, int *next) {
        *next = -1;
        if (r >= l)
            return 0;
        int best = 0;
        for (int g = 0; g < EncCount; ++g) {
            if (!at(r, g).cost)
                continue;
            int c = at(r, g).cost + switchcost[f][g];
            if (f == EncB && g == EncB && at(r, EncB).run == 249)
                ++c;   // the joined field reaches 250 bytes: its length takes two codewords
            if (!best || c < best) {
                best = c;
                *next = g;
            }
        }
        return best;
    };
    // After a C40, Text or X12 run: with the exact flag one last ASCII codeword needs no unlatch.
    auto bestNextTriplet = [&](int r, int f, int *next) {
        if (exact && r < l && at(r, EncA).cost == 1) {
            *next = EncA;
            return 1;
        }
        return bestNext(r, f, next);
    };

    for (int p = l - 1; p >= 0; --p) {
        int next;
        // ASCII
        {
            int r = p + 1, own = 1;
            if (p + 1 < l && isDigit(s[p]) && isDigit(s[p + 1]))
                r = p + 2;
            else if (s[p] >= 128)
                own = 2;
            Cell &c = at(p, EncA);
            c.cost = std::int16_t(own + bestNext(r, EncA, &next));
            c.run = std::int16_t(r - p + (next == EncA ? at(r, EncA).run : 0));
        }
        // C40 and Text
        for (const int e : {int(EncC), int(EncT)}) {
            const char basicFrom = e == EncC ? 'A' : 'a';
            int sub = 0, cw = 0, r = p;
            do {
                int c = s[r++];
                if (c >= 128) {
                    sub += 2;
                    c -= 128;
                }
                if (c != ' ' && !isDigit(c) && !(c >= basicFrom && c <= basicFrom + 25))
                    ++sub;
                ++sub;
                while (sub >= 3) {
                    sub -= 3;
                    cw += 2;
                }
            } while (sub && r < l);
            if (exact && sub == 2 && r == l) {   // Shift 1 pads the last triple
                sub = 0;
                cw += 2;
            }
            if (!sub) {
                Cell &c = at(p, e);
                c.cost = std::int16_t(cw + bestNextTriplet(r, e, &next));
                c.run = std::int16_t(r - p + (next == e ? at(r, e).run : 0));
            }
        }
        // X12: whole triples only
        if (p + 2 < l && isX12(s[p]) && isX12(s[p + 1]) && isX12(s[p + 2])) {
            Cell &c = at(p, EncX);
            c.cost = std::int16_t(2 + bestNextTriplet(p + 3, EncX, &next));
            c.run = std::int16_t(3 + (next == EncX ? at(p + 3, EncX).run : 0));
        }
        // EDIFACT: groups of one to four bytes; fewer than four carry the unlatch
        if (isEdifact(s[p])) {
            int bestCost = 0, bestRun = 0;
            bool bestEndsAscii = false;
            for (int k = 1; k <= 4 && p + k <= l && isEdifact(s[p + k - 1]); ++k) {
                const int r = p + k;
                int cost = 0, run = k;
                bool endsAscii = true;
                if (r == l) {
                    // One or two values and the unlatch take two or three codewords; with the
                    // exact flag the ASCII end that fills the symbol is planned instead.
                    cost = k == 1 ? (exact ? 1 : 2) : k == 2 ? (exact ? 2 : 3) : 3;
                } else if (k < 4) {
                    int best = 0;
                    for (int g = 0; g < EncCount; ++g) {
                        if (g == EncE || !at(r, g).cost)
                            continue;
                        const int c = at(r, g).cost + switchcost[EncA][g];
                        if (!best || c < best)
                            best = c;
                    }
                    cost = (k == 1 ? 2 : 3) + best;
                } else {
                    cost = 3 + bestNext(r, EncE, &next);
                    endsAscii = false;
                    if (exact && at(r, EncA).cost > 0 && at(r, EncA).cost < 3 && at(r, EncA).cost + 3 <= cost) {
                        cost = at(r, EncA).cost + 3;
                        endsAscii = true;   // two codewords or fewer left: ASCII is implied
                    } else if (next == EncE) {
                        run += at(r, EncE).run;
                        endsAscii = at(r, EncE).endsAscii;
                    }
                }
                if (!bestCost || r == l || cost < bestCost) {
                    bestCost = cost;
                    bestRun = run;
                    bestEndsAscii = endsAscii;
                }
            }
            Cell &c = at(p, EncE);
            c.cost = std::int16_t(bestCost);
            c.run = std::int16_t(bestRun);
            c.endsAscii = bestEndsAscii;
        }
        // Base 256: always possible
        {
            Cell &c = at(p, EncB);
            c.cost = std::int16_t(1 + bestNext(p + 1, EncB, &next));
            c.run = std::int16_t(1 + (next == EncB ? at(p + 1, EncB).run : 0));
        }
    }

    std::string encoding(std::size_t(l), 'A');
    int cur = EncA;
    for (int p = 0; p < l;) {
        int chosen = -1, best = 0;
        for (int g = 0; g < EncCount; ++g) {
            if (!at(p, g).cost)
                continue;
            const int c = at(p, g).cost + switchcost[cur][g];
            if (chosen < 0 || c < best) {
                best = c;
                chosen = g;
            }
        }
        // Ties keep the current encodation, which costs nothing to stay in; a Base 256 field is
        // not stretched on a tie, as a longer field may need a longer length.
        if (cur != EncB && at(p, cur).cost && at(p, cur).cost + switchcost[cur][cur] == best)
            chosen = cur;
        if (exact && ((cur == EncE && at(p, EncA).cost < 3) || (isTriplet(cur) && at(p, EncA).cost < 2)))
            chosen = EncA;
        if (p == 0 && lenp)
            *lenp = at(p, chosen).cost + switchcost[EncA][chosen];
        const int run = at(p, chosen).run;
        for (int i = 0; i < run; ++i)
            encoding[std::size_t(p + i)] = encchr[chosen];
        p += run;
        cur = (chosen == EncE && at(p - run, EncE).endsAscii) ? int(EncA) : chosen;
    }
    return encoding;
}

} // namespace datamatrix
