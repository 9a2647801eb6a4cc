#pragma once
// The integer rule of the generator's number fields: an empty text, or one decimal integer that
// fits an int (leading white space and one sign admitted) with nothing after it. An edit that
// breaks the rule is refused and the field keeps its text.

#include <QValidator>

class OnlyIntegerValueFormatter : public QValidator {
    Q_OBJECT
public:
    explicit OnlyIntegerValueFormatter(QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;
};
