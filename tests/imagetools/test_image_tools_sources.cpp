#include "imagetools/ImageToolsSources.h"

#include <gtest/gtest.h>

TEST(ImageToolsSources, TheLatestInstalledAreCurrentUntilTheyAreUninstalled)
{
    ImageToolsSources *const before = ImageToolsSources::current();   // a main window of another test
    ImageToolsSources first, second;
    const struct { const char *name; void (*step)(ImageToolsSources *); ImageToolsSources *arg, *current; } steps[] = {
        {"the first window", &ImageToolsSources::install, &first, &first},
        {"a second window", &ImageToolsSources::install, &second, &second},
        {"the first goes: the second stays", &ImageToolsSources::uninstall, &first, &second},
        {"the second goes", &ImageToolsSources::uninstall, &second, nullptr},
    };
    for (const auto &s : steps) {
        s.step(s.arg);
        EXPECT_EQ(ImageToolsSources::current(), s.current) << s.name;
    }
    ImageToolsSources::install(before);
}
