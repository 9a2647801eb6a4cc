#pragma once
// The type panels' fields as the payload builders read them, and written back into the panels.

class QString;

namespace qrpayload {
struct QrFields;
enum class QrPanel;
}

// The fields of the eleven panels, read through their globals; a panel not made gives its defaults.
qrpayload::QrFields Read_QR_Panel_Fields();
// The fields of one panel (or of every panel for QrPanel::None) written into it, announcing no edit.
// An unset event date or time leaves its picker as it is.
void Write_QR_Panel_Fields(const qrpayload::QrFields &fields, qrpayload::QrPanel which);
// Every panel back to its start state: the Text panel "Sample Text", every other field empty, the
// meeting and location panels on their link form with the link box enabled, Wi-Fi on item 0 and
// visible, the event pickers at now, the first coin cell. No edit is announced.
void Empty_QR_Panels();
// The panel of a type set up for it: the Text panel's prompt and fields and its open-link button,
// the SMS labels, the social prompt, the coin cells hidden for "Bitcoin".
void Configure_QR_Type_Panel(const QString &title);
class QrPanelBase;
// The panel instance of a panel kind (through its global); null for None or a panel not made.
QrPanelBase *QR_Panel_Of(qrpayload::QrPanel panel);
