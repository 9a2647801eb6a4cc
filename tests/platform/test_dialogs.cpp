// Every program that links the platform's dialogs asks its questions through them unless it
// installs another responder: they register themselves as the default when the program starts.

#include "platform/Dialogs.h"
#include "platform/HeadlessResponder.h"
#include "platform/QtDialogResponder.h"

#include <gtest/gtest.h>

TEST(DialogResponder, TheQtDialogsAreTheDefaultOfAProgramThatLinksThem)
{
    platform::setDialogResponder(nullptr);
    EXPECT_NE(dynamic_cast<platform::QtDialogResponder *>(&platform::dialogResponder()), nullptr);
    // An installed responder answers until it is taken away; then the default is back.
    auto headless = std::make_shared<platform::HeadlessResponder>();
    platform::setDialogResponder(headless);
    EXPECT_EQ(&platform::dialogResponder(), headless.get());
    platform::setDialogResponder(nullptr);
    EXPECT_NE(dynamic_cast<platform::QtDialogResponder *>(&platform::dialogResponder()), nullptr);
}
