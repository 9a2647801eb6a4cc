#pragma once
// Tests of a mode that an edition leaves out skip there rather than fail.

#include "core/Edition.h"

#include <gtest/gtest.h>

#define SKIP_WITHOUT_BARCODE_MODE()                                                                                    \
    do {                                                                                                               \
        if (ONLY_QR_MODE)                                                                                              \
            GTEST_SKIP() << "the QR edition has no Barcode mode";                                                      \
    } while (0)
