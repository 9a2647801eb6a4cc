#include "core/Edition.h"

const bool ONLY_STD_MODE = ONLY_STD_MODE_FLAG;
const bool ONLY_QR_MODE = ONLY_QR_MODE_FLAG;
