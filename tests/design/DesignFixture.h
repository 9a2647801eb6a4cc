#pragma once
// A controller with the Designing-mode work area built on a page of its own.

#include "app/SKTWindowController.h"
#include "core/Globals.h"
#include "support/AppEnvironment.h"
#include "design/DesignController.h"

#include <QDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

class DesignFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        c = env.controller();
        ASSERT_NE(c, nullptr);
        page = std::make_unique<QWidget>();
        c->design().buildDesigningPanel(page.get());
        Data_Folder_Path = env.userFolder() + QStringLiteral("/DataSet");
        QDir().mkpath(Data_Folder_Path);
    }
    void TearDown() override { page.reset(); }

    testsupport::AppEnvironment env;
    SKTWindowController *c = nullptr;
    std::unique_ptr<QWidget> page;
};
