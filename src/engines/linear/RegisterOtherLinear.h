#pragma once
// The symbology titles of the Code 128, Code 39, two-of-five, Codabar, Modified Plessey and postal
// models, each with a factory that makes a new, not yet constructed model (for Code 128 with its
// code set already chosen). The caller constructs it with initWithContent().

#include "engines/linear/NKDBarcode.h"

#include <QString>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

using LinearBarcodeFactory = std::function<std::unique_ptr<NKDBarcode>()>;

std::vector<std::pair<QString, LinearBarcodeFactory>> otherLinearSymbologies();
