#pragma once
// The values a series generator makes: a sequence of integers with prefix, suffix and optional zero
// padding, one constant repeated, or random integers of a fixed number of digits. The modes, the
// field limits, the checks before generating and the producer that hands each value on as it is
// made; shared by the generator windows, which only read their fields into an Input.

#include <QString>

#include <functional>
#include <optional>

namespace series_generator {

enum class Mode { Sequential, Constant, Random };

// The fields as typed.
struct Input {
    Mode mode = Mode::Sequential;
    QString prefix, suffix, from, to;
    bool padding = false;
    QString value, count;
    QString randPrefix, randSuffix, randLength, randCount;
};

// The field a refusal puts the focus in.
enum class Field { From, To, Value, Count, RandomCount, RandomLength };

struct Refusal {
    QString message;
    Field focus;
};

// More values than this in one sequence are refused before anything is written: a range of the
// whole integer span would write billions of lines.
constexpr qint64 kMaxSequentialValues = 1'000'000;
constexpr int kMaxCount = 10000;
constexpr int kMaxLength = 9;

// The checks of the chosen mode, in order; nothing when the fields may be generated.
std::optional<Refusal> validate(const Input &input);

// The number of values the fields make (they must have passed validate).
qint64 valueCount(const Input &input);

// Makes the values in order and hands each to sink as soon as it is made; stops and answers false
// when the sink answers false.
bool produce(const Input &input, const std::function<bool(const QString &)> &sink);

// The field limits, applied when the editing of a field ends: a count field ("1".."10000"; blank,
// 0 or below gives "1") and the random length ("1".."9"). Answer the text the field is to show.
QString limitCount(const QString &text);
QString limitLength(const QString &text);

// The text padded with zeros to width characters; a minus sign stays in front of the zeros and
// counts in the width ("-5" to 3 gives "-05"). A text as long as the width or longer is unchanged.
QString PadZero(const QString &text, int width);

// A uniformly drawn integer of min..max from the system's cryptographic generator.
qint64 getRandomNumberBetweenMin(qint64 min, qint64 max);

// The integer a field holds, scanned as the integer rule admits it; nothing for anything else.
std::optional<qint64> scanInteger(const QString &text);

} // namespace series_generator
