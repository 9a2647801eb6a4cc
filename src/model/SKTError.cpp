#include "model/SKTError.h"

#include <QCoreApplication>

const QString SKTErrorDomain = QStringLiteral("TagoraCardObjectErrorDomain");

SKTError SKTErrorWithCode(int code)
{
    SKTError e;
    e.domain = SKTErrorDomain;
    e.code = code;
    switch (code) {
    case 2:
        e.localizedDescription = QCoreApplication::translate("SKTError", "The card objects on the clipboard could not be read.");
        e.localizedFailureReason = QCoreApplication::translate("SKTError", "The clipboard does not hold a list of card objects.");
        break;
    case 3:
        e.localizedDescription = QCoreApplication::translate("SKTError", "The card objects could not be copied as a TIFF picture.");
        e.localizedFailureReason = QCoreApplication::translate("SKTError", "No TIFF data could be made of the card objects.");
        break;
    default:
        e.localizedDescription =
            QCoreApplication::translate("SKTError", "Tagora could not finish the operation because of an unknown error.");
        e.localizedFailureReason = QCoreApplication::translate("SKTError", "An error of an unknown kind happened.");
        break;
    }
    return e;
}
