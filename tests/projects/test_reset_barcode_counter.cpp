// A new design starts the barcode numbering again.

#include "design/DesignParts.h"
#include "ProjectWindowTest.h"
#include "core/GlobalsReset.h"
#include "design/DesignWorkArea.h"
#include "model/DesignGlobals.h"
#include "model/DesignSnapshot.h"
#include "model/SKTBarcode.h"
#include "projects/ProjectsController.h"
#include "support/AppEnvironment.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

TEST(NewDesignReset, BarcodeNumberingStartsAgain)
{
    testsupport::AppEnvironment env{QString(), true};
    SKTWindowController *c = env.controller();
    ASSERT_NE(c, nullptr);
    auto page = std::make_unique<QWidget>();
    workAreaOf(projecttest::designOf(*c)).buildDesigningPanel(page.get());

    const QByteArray clip = SKTGraphic::pasteboardDataWithGraphics({std::make_shared<SKTBarcode>()});
    SKTGraphic::graphicsWithPasteboardData(clip);
    SKTGraphic::graphicsWithPasteboardData(clip);
    ASSERT_EQ(BAR_CTRL, 2);
    Ucontrol.append(std::make_shared<DesignSnapshot>(SKTGraphicList{std::make_shared<SKTBarcode>()}));

    projecttest::projectsOf(*c).New_Project_Setting_Reset(true);
    EXPECT_EQ(BAR_CTRL, 0);
    EXPECT_TRUE(Ucontrol.isEmpty());
    const auto pasted = SKTGraphic::graphicsWithPasteboardData(clip);
    ASSERT_TRUE(pasted && pasted->size() == 1);
    EXPECT_EQ(pasted->at(0)->control_ID, QStringLiteral("BAR_1"));
    resetGlobalsForTests();
}
