#pragma once
// Readable test failures: QStrings and the panels of QrFields printed field by field.

#include "advqr/QrPayload.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *os) { *os << '"' << text.toStdString() << '"'; }

namespace qrpayload {

namespace print {
inline void field(std::ostream *os, const QString &v) { *os << '[' << v.toStdString() << ']'; }
inline void field(std::ostream *os, bool v) { *os << '[' << (v ? "on" : "off") << ']'; }
inline void field(std::ostream *os, int v) { *os << '[' << v << ']'; }
inline void field(std::ostream *os, const QDate &v) { *os << '[' << v.toString(Qt::ISODate).toStdString() << ']'; }
inline void field(std::ostream *os, const QTime &v) { *os << '[' << v.toString(Qt::ISODate).toStdString() << ']'; }
template <typename... T>
void fields(std::ostream *os, const T &...v)
{
    (field(os, v), ...);
}
} // namespace print

inline void PrintTo(const QrFields::Text &v, std::ostream *os)
{
    print::fields(os, v.Text_Field, v.Call_Value_field, v.URL_Value_field);
}
inline void PrintTo(const QrFields::Sms &v, std::ostream *os) { print::fields(os, v.Number_Field, v.Message_field); }
inline void PrintTo(const QrFields::Social &v, std::ostream *os) { print::fields(os, v.URL_label); }
inline void PrintTo(const QrFields::Email &v, std::ostream *os)
{
    print::fields(os, v.Email_ID_field, v.Subject_field, v.Message_Field);
}
inline void PrintTo(const QrFields::VCard &v, std::ostream *os)
{
    print::fields(os, v.First_Name, v.Last_Name, v.Mobile, v.Phone, v.Company, v.Position, v.Phone_Work, v.Fax, v.Email,
                  v.Website, v.Email_Work, v.Street, v.City, v.State, v.Zip, v.Country);
}
inline void PrintTo(const QrFields::Zoom &v, std::ostream *os)
{
    print::fields(os, v.Zoom_URL_radio, v.URL_Path_Field, v.ID_Field, v.Pwd_Field);
}
inline void PrintTo(const QrFields::Wifi &v, std::ostream *os)
{
    print::fields(os, v.Wifi_Name, v.wifi_Password, v.encryption, v.encryption_text, v.hidden_radio);
}
inline void PrintTo(const QrFields::Location &v, std::ostream *os)
{
    print::fields(os, v.Loc_URL_radio, v.URL_Path_Field, v.Latitude_Field, v.Longitude_Field);
}
inline void PrintTo(const QrFields::Event &v, std::ostream *os)
{
    print::fields(os, v.event_name, v.event_location, v.event_description, v.Date_From_Ctrl, v.Date_To_Ctrl,
                  v.Time_From_Ctrl, v.Time_To_Ctrl);
}
inline void PrintTo(const QrFields::Upi &v, std::ostream *os)
{
    print::fields(os, v.upi_id_field, v.name_field, v.amount_field, v.note_field);
}
inline void PrintTo(const QrFields::Crypto &v, std::ostream *os)
{
    print::fields(os, v.crypto_type_matrix, v.wallet_address, v.amount_field, v.recipient_field, v.message_field);
}

// Every panel compared on its own, so that a failure names the panel and prints its fields.
#define EXPECT_QR_FIELDS_EQ(got, want, context)                                                                         \
    do {                                                                                                               \
        const ::qrpayload::QrFields &g_ = (got);                                                                       \
        const ::qrpayload::QrFields &w_ = (want);                                                                      \
        EXPECT_EQ(g_.text, w_.text) << context;                                                                        \
        EXPECT_EQ(g_.sms, w_.sms) << context;                                                                          \
        EXPECT_EQ(g_.social, w_.social) << context;                                                                    \
        EXPECT_EQ(g_.email, w_.email) << context;                                                                      \
        EXPECT_EQ(g_.vcard, w_.vcard) << context;                                                                      \
        EXPECT_EQ(g_.zoom, w_.zoom) << context;                                                                        \
        EXPECT_EQ(g_.wifi, w_.wifi) << context;                                                                        \
        EXPECT_EQ(g_.location, w_.location) << context;                                                                \
        EXPECT_EQ(g_.event, w_.event) << context;                                                                      \
        EXPECT_EQ(g_.upi, w_.upi) << context;                                                                          \
        EXPECT_EQ(g_.crypto, w_.crypto) << context;                                                                    \
    } while (false)

} // namespace qrpayload
