#include "advqr/AdvQrGlobals.h"

#include "core/GlobalsReset.h"

int ADV_QR_Enc_Mode_Val = 0;
int ADV_QR_Version_Val = 0;
int ADV_QR_EC_Level_Val = 0;

namespace {

void resetAdvQrGlobals() { ADV_QR_Enc_Mode_Val = ADV_QR_Version_Val = ADV_QR_EC_Level_Val = 0; }

const bool registered = registerGlobalsReset(&resetAdvQrGlobals);

} // namespace
