#include "engines/TextMeasurer.h"

#include "engines/QtTextMeasurer.h"

#include <mutex>

namespace {

std::mutex measurerMutex;
std::shared_ptr<const TextMeasurer> installedMeasurer;

} // namespace

const TextMeasurer &textMeasurer()
{
    std::lock_guard<std::mutex> lock(measurerMutex);
    if (!installedMeasurer)
        installedMeasurer = std::make_shared<QtTextMeasurer>();
    return *installedMeasurer;
}

void setTextMeasurer(std::shared_ptr<const TextMeasurer> measurer)
{
    std::lock_guard<std::mutex> lock(measurerMutex);
    installedMeasurer = std::move(measurer);
}
