#pragma once
// The edition this program is: the full one (both flags off), the standard edition (Barcode and
// Designing modes) or the QR edition (Advanced QR and Designing modes). Defined in core/Edition.cpp,
// the only file compiled with the edition's flags, so that every other file compiles alike in every
// edition.

extern const bool ONLY_STD_MODE;   // never written: Barcode and Designing modes only
extern const bool ONLY_QR_MODE;    // never written: Advanced QR and Designing modes only
