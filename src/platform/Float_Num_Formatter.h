#pragma once
// The formatter of decimal entry fields. While a number is typed, every keystroke a number may hold
// is taken (digits, a sign, "." and ",", an exponent's "e", blanks, the locale's own digits and
// decimal point), so that the start of a number ("-", ",") stands and a text that is no number
// ("1e2", "1.234,5") stays as typed for the field's handler to refuse with a message; any other
// character is refused as it is typed.

#include <QValidator>

class Float_Num_Formatter : public QValidator {
    Q_OBJECT
public:
    explicit Float_Num_Formatter(QObject *parent = nullptr);

    // YES for text made only of what a number may hold, read or not.
    static bool isTypable(const QString &text);
    State validate(QString &input, int &pos) const override;
};
