#pragma once
// The formatter of decimal entry fields: empty text, or one decimal number with blanks around it,
// its separator "." or ",". Partial numbers ("-", "." alone) are refused as they are typed.

#include <QValidator>

class Float_Num_Formatter : public QValidator {
    Q_OBJECT
public:
    explicit Float_Num_Formatter(QObject *parent = nullptr);

    // YES for the text a field may hold.
    static bool isAccepted(const QString &text);
    State validate(QString &input, int &pos) const override;
};
