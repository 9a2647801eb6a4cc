#pragma once
// The gap fields of a sheet layout (print and PDF dialogs) show the gaps the sheet uses: the typed
// ones (cut to the paper when the page shrank since), or under auto-centre the even gaps the fit
// spreads the cells by; the typed ones come back when auto-centre is turned off. A typed gap is one
// its stepper holds (0 up to its maximum) and the page has room for; a custom product's margin, or
// its gap as stored, a number of 0 or more.

#include <QSizeF>
#include <QString>

#include <initializer_list>
#include <optional>
#include <utility>

class QLineEdit;
class QObject;
namespace platform {
class Stepper;
enum class PairFormat;
}

class GapFields {
public:
    void bind(QLineEdit *horz, platform::Stepper *horzStepper, QLineEdit *vert, platform::Stepper *vertStepper);
    // Before the fit reads the fields: without auto-centre, the typed gaps back in them.
    void beforeFit(bool centred);
    // After the fit: under auto-centre the fields show its gaps (points, shown in millimetres); the
    // typed ones are kept.
    void afterFit(bool centred, float horzPoints, float vertPoints);
    // A new opening: the fields hold typed gaps.
    void reset() { m_typed.reset(); }
    // Gaps the fit cut to the paper (a page changed under them): each field and its stepper show the
    // cut one, and one message says what they were cut to ("The horizontal gap was cut to 135.30 mm,
    // the most the page has room for."); an empty text (the gap stands) changes and says nothing.
    static void showCuts(QLineEdit *horz, platform::Stepper *horzStepper, const QString &horzShown, QLineEdit *vert,
                         platform::Stepper *vertStepper, const QString &vertShown);
    // "Please enter a horizontal gap of 0 mm or more." for what is "horizontal gap".
    static QString Negative_Message(const QString &what);
    // A gap or margin the user typed stands when it reads as a number of 0 or more (empty text reads
    // as 0); anything else is refused with a message naming what the field holds, and the field
    // shows held, the value in use, again. Answers whether it stands.
    static bool Take(QLineEdit *field, const QString &what, const QString &held);
    // The same for a gap pair's change: a gap typed into the field (the sender) stands when it is
    // one its stepper holds and the page (most, in millimetres: sheetfit::Gap_Extent) has room for
    // (PairRefusal), else it is refused, the field showing its stepper's gap again in the pair's
    // format, in the locale's own digits and decimal sign; a step stands.
    static bool Take(const QObject *sender, QLineEdit *field, platform::Stepper *stepper, const QString &what,
                     platform::PairFormat format, double most);
    // Why a gap typed into a pair's field cannot stand, empty when it can: Refusal's reasons, and
    // empty text (the stepper would keep its gap while the layout read 0) or a gap above the
    // stepper's maximum or most ("Please enter a horizontal gap from 0.00 to 197.30 mm.").
    static QString PairRefusal(const QString &text, const platform::Stepper *stepper, const QString &what, double most);
    // The most of Take for an extent of the page (sheetfit::Gap_Extent): without one, no bound.
    static QSizeF Most(const std::optional<QSizeF> &extent);
    // A gap pair, for End_Typing, with the most its page holds.
    struct Pair {
        QLineEdit *field;
        platform::Stepper *stepper;
        const char *what;
        double most;
    };
    // Ends the typing of gap fields that still hold an edit (the dialog's OK takes no focus from
    // them): each is taken or refused as its Return would; answers false when one was refused.
    static bool End_Typing(std::initializer_list<Pair> pairs);
    // Why a field's text (a custom product's margin or gap as stored) is no gap or margin, with the
    // message Take gives; empty when it stands.
    static QString Refusal(const QString &text, const QString &what);

private:
    QLineEdit *m_horz = nullptr, *m_vert = nullptr;
    platform::Stepper *m_horzStepper = nullptr, *m_vertStepper = nullptr;
    std::optional<std::pair<QString, QString>> m_typed;
};
