#pragma once
// The QR payload and its readable summary for a payload type and the fields of its input panel.

#include <QString>
#include <optional>

namespace qrpayload {

struct Result {
    std::optional<QString> payload;   // none for a type the builder does not know
    QString summary;
};

// The fields of the text, phone-call and link panel.
struct TextPanelFields {
    QString text;   // the multi-line text
    QString call;   // the phone number
    QString url;    // the link
};

// A typed link as an address: a short input gets the short form in front, an input that starts
// with "http" (any case) stays, anything else gets "https://"; then spaces go and the ends are
// trimmed.
QString Link_Rule(const QString &input, const QString &shortForm);

// "Text", "Call" and the link types "URL", "Review", "Meeting", "Mobile App", "File", "Spotify".
bool Is_Text_Panel_Type(const QString &title);
Result Build_Text_Panel_Payload(const QString &title, const TextPanelFields &fields);

} // namespace qrpayload
