#pragma once
// The type panels' fields as the payload builders read them.

namespace qrpayload {
struct QrFields;
}

// The fields of the eleven panels, read through their globals; a panel not made gives its defaults.
qrpayload::QrFields Read_QR_Panel_Fields();
