// The shape page on its own: the type list and a filled shape show the type's own row, the fill
// type radios enable their controls, the page reads back what it shows, and only the user's changes
// ask for the transfer.

#include "core/UserFolders.h"
#include "design/PanelValues.h"
#include "design/panels/ShapePanel.h"
#include "model/SKTGraphic.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

std::shared_ptr<SKTGraphic> shape(const QString &code)
{
    auto g = SKTGraphic::graphicOfClass(SKTGraphicClass::Shape);
    g->Set_Shape_Type(code);
    return g;
}

// Which of the type's own rows (corner radius, star points, polygon sides) are shown, label,
// field and stepper alike.
QString rowsShown(const ShapePanel &p)
{
    auto row = [](std::initializer_list<const QWidget *> ws, char tag) {
        int shown = 0;
        for (const QWidget *w : ws)
            shown += w->isHidden() ? 0 : 1;
        return shown == 3 ? QString(QChar(tag)) : shown == 0 ? QString() : QStringLiteral("?");
    };
    return row({p.shape_cor_radius_Label, p.shape_cor_radius_Text, p.shape_cor_radius_Stepper}, 'r') +
           row({p.double_star_Label, p.double_star_Text, p.double_star_Stepper}, 's') +
           row({p.polygon_Label, p.polygon_Text, p.polygon_Stepper}, 'p');
}

TEST(ShapePanel, TypeListShowsTheTypesOwnRow)
{
    const struct {
        int index;
        const char *rows;
        const char *code;
    } cases[] = {{2, "r", "RR"}, {6, "s", "DS"}, {7, "p", "P"}, {5, "", "S"}, {0, "", "R"}, {1, "", "C"}};
    ShapePanel p;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.index);
        QSignalSpy transfers(&p, &ShapePanel::transferRequested);
        p.Shape_Type_Combo->setCurrentIndex(c.index);
        EXPECT_EQ(rowsShown(p), QString::fromLatin1(c.rows));
        EXPECT_EQ(transfers.count(), 1);
        EXPECT_EQ(p.Read_Shape_Panel().shapeCode.value_or(QString()), QString::fromLatin1(c.code));
    }
}

TEST(ShapePanel, FillShowsTheRowOfTheShapesTypeUnlessLocked)
{
    const struct {
        const char *code;
        bool locked;
        const char *rows;
        int index;
    } cases[] = {{"RR", false, "r", 2}, {"DS", false, "s", 6}, {"P", false, "p", 7},
                 {"T", false, "", 3},   {"RR", true, "", 2},   {"P", true, "", 7}};
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.code) + (c.locked ? " locked" : ""));
        ShapePanel p;
        p.Shape_Type_Combo->setCurrentIndex(6);   // a row shown before the fill
        p.Fill_Shape_Panel(*shape(QString::fromLatin1(c.code)), c.locked);
        EXPECT_EQ(rowsShown(p), QString::fromLatin1(c.rows));
        EXPECT_EQ(p.Shape_Type_Combo->currentIndex(), c.index);
    }
}

TEST(ShapePanel, FillShowsTheShapeAndReadsItBack)
{
    auto g = shape(QStringLiteral("DS"));
    g->_isDrawingStroke = true;
    g->_strokeWidth = 2.9;
    g->_strokeColor = Qt::red;
    g->_stroke_border_type = QStringLiteral("DO");
    g->_isDrawingFill = true;
    g->_fill_type = QStringLiteral("G");
    g->_fill_Grad_clr1 = Qt::yellow;
    g->_fill_Grad_clr2 = Qt::blue;
    g->_fill_grad_angle = 45;
    g->alpha_val = 0.5f;
    g->cor_rad_val = 12.5f;
    g->double_star_type = 4;
    g->polygon_type = 3;
    g->text_rotation = 90;
    ShapePanel p;
    p.Fill_Shape_Panel(*g, false);
    EXPECT_EQ(p.shape_bor_Text->text(), QStringLiteral("2"));
    EXPECT_EQ(p.shape_rotation_slidr->value(), 90);
    EXPECT_EQ(p.shape_rotation_slidr_val->text(), QStringLiteral("90"));
    EXPECT_EQ(p.shape_cor_radius_Text->text(), QStringLiteral("12.5"));
    EXPECT_TRUE(p.shape_alpha_Stepper->isHidden());   // a gradient has no opacity of its own
    const ShapePanelValues v = p.Read_Shape_Panel();
    EXPECT_EQ(v.shapeCode.value_or(QString()), QStringLiteral("DS"));
    EXPECT_TRUE(v.stroke.on);
    EXPECT_EQ(v.stroke.width, 2);
    EXPECT_EQ(v.stroke.color, QColor(Qt::red));
    EXPECT_EQ(v.stroke.borderType, QStringLiteral("DO"));
    EXPECT_TRUE(v.fill);
    EXPECT_EQ(v.fillType, QStringLiteral("G"));
    EXPECT_EQ(v.gradient1, QColor(Qt::yellow));
    EXPECT_EQ(v.gradient2, QColor(Qt::blue));
    EXPECT_DOUBLE_EQ(v.gradientAngle, 45.0);
    EXPECT_FLOAT_EQ(v.alpha, 0.5f);
    EXPECT_FLOAT_EQ(v.cornerRadius, 12.5f);
    EXPECT_EQ(v.doubleStarType, 4);
    EXPECT_EQ(v.polygonType, 3);
    EXPECT_EQ(v.rotation, 90);
}

TEST(ShapePanel, FillingSendsNothing)
{
    auto g = shape(QStringLiteral("P"));
    g->_isDrawingFill = true;
    g->_fill_type = QStringLiteral("H");
    g->text_rotation = 30;
    ShapePanel p;
    QSignalSpy transfers(&p, &ShapePanel::transferRequested), colours(&p, &ShapePanel::colorChosen);
    p.Fill_Shape_Panel(*g, false);
    p.Fill_Shape_Panel(*shape(QStringLiteral("R")), true);
    EXPECT_EQ(transfers.count(), 0);
    EXPECT_EQ(colours.count(), 0);
}

TEST(ShapePanel, FillTypeRadiosEnableTheirControls)
{
    const struct {
        const char *what;
        QRadioButton *ShapePanel::*radio;
        const char *type;
        bool solid, gradient, hatch, opacityShown;
    } cases[] = {
        {"gradient", &ShapePanel::Shape_gradient_fill_rd, "G", false, true, false, false},
        {"hatch", &ShapePanel::Shape_Style_fill_rd, "H", false, false, true, true},
        {"solid", &ShapePanel::Shape_solid_fill_rd, "S", true, false, false, true},
    };
    ShapePanel p;
    p.Shape_fill_chk->click();
    ASSERT_TRUE(p.shape_fill_box->isEnabled());
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QSignalSpy transfers(&p, &ShapePanel::transferRequested);
        (p.*c.radio)->click();
        EXPECT_EQ(transfers.count(), 1);
        EXPECT_EQ(p.shape_fill_clr->isEnabled(), c.solid);
        for (QWidget *w : std::initializer_list<QWidget *>{p.shape_fill_Grd_1_clr, p.shape_fill_Grd_2_clr,
                                                           p.shape_grad_Text, p.shape_grad_Stepper})
            EXPECT_EQ(w->isEnabled(), c.gradient) << w->objectName().toStdString();
        EXPECT_EQ(p.shape_hatch_style->isEnabled(), c.hatch);
        EXPECT_EQ(p.shape_hatch_bk_clr->isEnabled(), c.hatch);
        EXPECT_EQ(!p.shape_alpha_Stepper->isHidden(), c.opacityShown);
        EXPECT_EQ(p.Read_Shape_Panel().fillType, QString::fromLatin1(c.type));
    }
}

TEST(ShapePanel, CheckBoxesEnableTheirBoxes)
{
    ShapePanel p;
    p.Fill_Shape_Panel(*shape(QStringLiteral("R")), false);
    const bool border = p.Shape_border_chk->isChecked(), fill = p.Shape_fill_chk->isChecked();
    QSignalSpy transfers(&p, &ShapePanel::transferRequested);
    p.Shape_border_chk->click();
    p.Shape_fill_chk->click();
    EXPECT_EQ(transfers.count(), 2);
    EXPECT_EQ(p.Shape_Border_Box->isEnabled(), !border);
    EXPECT_EQ(p.shape_fill_box->isEnabled(), !fill);
    // A fill turned off is stored as solid, whatever the radios say.
    p.Shape_gradient_fill_rd->setChecked(true);
    p.Shape_fill_chk->setChecked(false);
    EXPECT_EQ(p.Read_Shape_Panel().fillType, QStringLiteral("S"));
}

TEST(ShapePanel, RotationSliderAndStepperFollowEachOther)
{
    ShapePanel p;
    QSignalSpy transfers(&p, &ShapePanel::transferRequested);
    p.shape_rotation_slidr->setValue(120);   // a keyboard step: the slider is not held
    EXPECT_EQ(p.shape_rotation_slidr_val->text(), QStringLiteral("120"));
    EXPECT_EQ(p.Read_Shape_Panel().rotation, 120);
    p.shape_rotation_Stepper->stepUp();
    EXPECT_EQ(p.shape_rotation_slidr->value(), 121);
    EXPECT_EQ(p.Read_Shape_Panel().rotation, 121);
    EXPECT_EQ(transfers.count(), 2);   // the slider moved by the stepper asks for nothing more
}

TEST(ShapePanel, HatchListComesFromTheResourceFolder)
{
    QTemporaryDir resources;
    ASSERT_TRUE(QDir(resources.path()).mkpath(QStringLiteral("Fill_Style_Image")));
    for (const char *name : {"b.png", "Zig.tiff", "A.png", "c.d.png"}) {
        QFile f(resources.path() + QStringLiteral("/Fill_Style_Image/") + QString::fromLatin1(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const QString kept = Resource_Path;
    Resource_Path = resources.path();
    ShapePanel p;
    Resource_Path = kept;
    QStringList items;
    for (int i = 0; i < p.shape_hatch_style->count(); ++i)
        items << p.shape_hatch_style->itemText(i);
    EXPECT_EQ(items, (QStringList{QStringLiteral("A"), QStringLiteral("Zig"), QStringLiteral("b"), QStringLiteral("c.d")}));
    EXPECT_EQ(p.shape_hatch_style->currentIndex(), 0);
    auto g = shape(QStringLiteral("R"));
    g->_fill_hatch_type = QStringLiteral("b");
    p.Fill_Shape_Panel(*g, false);
    EXPECT_EQ(p.Read_Shape_Panel().hatchType, QStringLiteral("b"));
    g->_fill_hatch_type.clear();   // no pattern: none chosen, none stored
    p.Fill_Shape_Panel(*g, false);
    EXPECT_TRUE(p.Read_Shape_Panel().hatchType.isNull());
}

TEST(ShapePanel, ColourWellsGoToTheSelectionBeforeTheTransfer)
{
    ShapePanel p;
    for (platform::ColorWell *w : {p.shape_bordr_clr, p.shape_fill_clr, p.shape_fill_Grd_1_clr,
                                   p.shape_fill_Grd_2_clr, p.shape_hatch_bk_clr}) {
        SCOPED_TRACE(w->objectName().toStdString());
        QStringList order;
        const auto a = QObject::connect(&p, &ShapePanel::colorChosen, [&](const QColor &c) { order << c.name(); });
        const auto b = QObject::connect(&p, &ShapePanel::transferRequested, [&] { order << QStringLiteral("transfer"); });
        w->chooseColor(QColor(Qt::green));
        EXPECT_EQ(order, (QStringList{QStringLiteral("#00ff00"), QStringLiteral("transfer")}));
        QObject::disconnect(a);
        QObject::disconnect(b);
    }
}

} // namespace
