#include "DesignFixture.h"

#include "design/PropertySidebar.h"
#include "design/UnitPreferences.h"
#include "platform/Stepper.h"
#include "design/DesignController.h"
#include "support/PageControl.h"
#include "core/Units.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

class DesignUnits : public DesignFixture {
protected:
    // The card size page's controls, by their names.
    template <class Control>
    Control *sizeControl(const char *name)
    {
        return testsupport::pageControl<Control>(sidebar().card_size_tab, name);
    }
};

TEST_F(DesignUnits, LabelsFollowTheDesignUnit)
{
    struct Case {
        int unit;
        const char *title;
        const char *label;
    };
    const Case cases[] = {{0, "Label Size (in)", "(in)"}, {1, "Label Size (cm)", "(cm)"},
                          {2, "Label Size (mm)", "(mm)"}, {7, "Label Size (mm)", "(mm)"}};
    // The arrange page's labels, by their outlet names.
    auto arrangeLabel = [this](const char *name) { return testsupport::pageControl<QLabel>(sidebar().aligmnt_tab, name); };
    for (const Case &k : cases) {
        Measument_Unit_Is = k.unit;
        env.design().units()._setLabels();
        EXPECT_EQ(sizeControl<QGroupBox>("card_size_box")->title(), QString::fromLatin1(k.title)) << k.unit;
        for (QLabel *l : {sizeControl<QLabel>("card_width_unit_lbl"), sizeControl<QLabel>("card_height_unit_lbl"),
                          arrangeLabel("ctrl_width_unit_lbl"), arrangeLabel("ctrl_height_unit_lbl")})
            EXPECT_EQ(l->text(), QString::fromLatin1(k.label)) << k.unit << l->objectName().toStdString();
        // Positions are always in points.
        EXPECT_EQ(arrangeLabel("ctrl_x_pos_unit_lbl")->text(), QStringLiteral("(pt)"));
        EXPECT_EQ(arrangeLabel("ctrl_y_pos_unit_lbl")->text(), QStringLiteral("(pt)"));
    }
}

TEST(DesignUnitFactors, ConversionFactorTable)
{
    EXPECT_FLOAT_EQ(UnitPreferences::Get_Unit_Convertor(0, 1), 2.54f);
    EXPECT_FLOAT_EQ(UnitPreferences::Get_Unit_Convertor(0, 2), 25.4f);
    EXPECT_FLOAT_EQ(UnitPreferences::Get_Unit_Convertor(1, 0), 0.39370078f);
    EXPECT_FLOAT_EQ(UnitPreferences::Get_Unit_Convertor(2, 0), 0.03937008f);
    EXPECT_FLOAT_EQ(UnitPreferences::Get_Unit_Convertor(2, 1), 0.1f);
    EXPECT_FLOAT_EQ(UnitPreferences::Get_Unit_Convertor(1, 2), 10.0f);
    EXPECT_FLOAT_EQ(UnitPreferences::Get_Unit_Convertor(1, 1), 1.0f);
    EXPECT_FLOAT_EQ(UnitPreferences::Get_Unit_Convertor(3, 0), 1.0f);
    EXPECT_FLOAT_EQ(UnitPreferences::Get_Unit_Convertor(0, -1), 1.0f);
}

TEST_F(DesignUnits, EachConversionStartsFromTheSizeInUse)
{
    sizeControl<QLineEdit>("width_Text")->setText(QStringLiteral("100.00"));
    sizeControl<QLineEdit>("height_Text")->setText(QStringLiteral("50.00"));
    last_unit_val = 2;
    Measument_Unit_Is = 0;
    env.design().units().Apply_unit_Chaneg_Values();
    EXPECT_EQ(sizeControl<QLineEdit>("width_Text")->text(), QStringLiteral("3.94"));
    EXPECT_EQ(sizeControl<QLineEdit>("height_Text")->text(), QStringLiteral("1.97"));
    EXPECT_NEAR(sizeControl<platform::Stepper>("width_Stepper")->doubleValue(), 3.937, 1e-3);
    last_unit_val = 0;
    Measument_Unit_Is = 1;
    env.design().units().Apply_unit_Chaneg_Values();
    EXPECT_EQ(sizeControl<QLineEdit>("width_Text")->text(), QStringLiteral("10.00"));
    // The same unit again converts with factor 1.
    last_unit_val = 1;
    env.design().units().Apply_unit_Chaneg_Values();
    EXPECT_EQ(sizeControl<QLineEdit>("width_Text")->text(), QStringLiteral("10.00"));
}

} // namespace
