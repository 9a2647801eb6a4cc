#pragma once
// A controller with the Designing-mode work area built on a page of its own.

#include "core/UserFolders.h"
#include "design/DesignSelection.h"
#include "design/DesignWorkArea.h"
#include "support/AppEnvironment.h"
#include "design/DesignController.h"
#include "model/SKTDocument.h"
#include "model/SKTGraphic.h"

#include <QDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

class SKTWindowController;

class DesignFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        c = env.controller();
        ASSERT_NE(c, nullptr);
        page = std::make_unique<QWidget>();
        env.design().workArea().buildDesigningPanel(page.get());
        Data_Folder_Path = env.userFolder() + QStringLiteral("/DataSet");
        QDir().mkpath(Data_Folder_Path);
    }
    void TearDown() override
    {
        env.design().selection().Canvas_Selection = nullptr;
        page.reset();
    }

    // The controller's property sidebar and batch binding.
    PropertySidebar &sidebar() { return env.design().sidebar(); }
    RecordBinding &records() { return env.design().records(); }
    // A new card object of the kind with the defaults of a new object.
    static std::shared_ptr<SKTGraphic> make(SKTGraphicClass kind) { return SKTGraphic::graphicOfClass(kind); }
    // The side's objects become these, front-most first.
    void front(const SKTGraphicList &objects)
    {
        SKTDocument &document = *env.document();
        QList<int> all;
        for (int i = 0; i < document.graphics().size(); ++i)
            all << i;
        if (!all.isEmpty())
            document.removeGraphicsAtIndexes(all);
        QList<int> indexes;
        for (int i = 0; i < objects.size(); ++i)
            indexes << i;
        document.insertGraphics(objects, indexes);
    }
    // The canvas's selection (in this order) and its current object, the first of them.
    void select(const SKTGraphicList &objects)
    {
        env.design().selection().Canvas_Selection = [objects] { return objects; };
        env.design().selection().Set_Selected_Graphic(objects.isEmpty() ? nullptr : objects.first());
    }

    testsupport::AppEnvironment env;
    SKTWindowController *c = nullptr;
    std::unique_ptr<QWidget> page;
};
