#pragma once
// The card objects' error: a domain, a code and two texts for the user.

#include <QString>

extern const QString SKTErrorDomain;

struct SKTError {
    QString domain;
    int code = 0;
    QString localizedDescription;
    QString localizedFailureReason;
};

// Codes in use: 2, the clipboard data is not a list of card objects; 3, the card objects could not
// be made into a TIFF picture. Any other code gets the texts of an unknown error.
SKTError SKTErrorWithCode(int code);
