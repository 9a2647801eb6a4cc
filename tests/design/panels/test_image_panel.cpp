// The picture page alone: filled from a picture object, driven as a user drives it, read back; its
// requests to the Designing mode go out as signals.

#include "design/DoubleSlider.h"
#include "design/panels/ImagePanel.h"
#include "model/PictureEffectRanges.h"
#include "model/SKTGraphic.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "support/AppEnvironment.h"
#include "support/ScriptedResponder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A picture with every setting away from its default and no file.
std::shared_ptr<SKTGraphic> picture()
{
    auto g = SKTGraphic::graphicOfClass(SKTGraphicClass::Image);
    g->control_ID = QStringLiteral("I_7");
    g->_isDrawingStroke = true;
    g->_strokeWidth = 3.7;
    g->_strokeColor = Qt::red;
    g->_stroke_border_type = QStringLiteral("DO");
    g->rotate_image = 90;
    g->img_trnsp_val = 40;
    g->hue_val = 0.25f;
    g->sat_val = 0.5f;
    g->brt_val = -0.2f;
    g->con_val = 2;
    g->srp_val = 1.5f;
    g->ev_val = 0.3f;
    g->blr_val = 2;
    g->gray_Scale = true;
    g->invert_clr = true;
    g->_isFlippedVertically = true;
    g->_file_path = QStringLiteral("/no/such/picture.png");
    return g;
}

class ImagePanelAlone : public ::testing::Test {
protected:
    ImagePanel p;
    QSignalSpy transfers{&p, &ImagePanel::transferRequested};
    QSignalSpy colours{&p, &ImagePanel::colorChosen};
    QSignalSpy resets{&p, &ImagePanel::resetRequested};
    QSignalSpy crops{&p, &ImagePanel::cropRequested};
    int sent() const { return int(transfers.count() + colours.count() + resets.count() + crops.count()); }
    // The nine effect sliders with their fields and neutral values.
    struct Effect {
        DoubleSlider *slider;
        QLineEdit *field;
        double neutral;
    };
    QList<Effect> effects() const
    {
        return {{p.Rotate_slidr, p.Rotate_slidr_val, 0}, {p.Trsp_slidr, p.Trsp_slidr_val, 100},
                {p.Hue_slidr, p.Hue_slidr_val, 0},       {p.Sat_slidr, p.Sat_slidr_val, 1},
                {p.Brt_slidr, p.Brt_slidr_val, 0},       {p.Con_slidr, p.Con_slidr_val, 1},
                {p.shrp_slidr, p.shrp_slidr_val, 0},     {p.ev_slidr, p.ev_slidr_val, 0},
                {p.blr_slidr, p.blr_slidr_val, 0}};
    }
};

TEST_F(ImagePanelAlone, FillShowsThePictureAndSendsNothing)
{
    p.Fill_Image_Panel(*picture());
    EXPECT_EQ(p.img_ctrl_id_val->text(), QStringLiteral("I_7"));
    EXPECT_TRUE(p.Image_border_chk->isChecked());
    EXPECT_TRUE(p.Image_Border_Box->isEnabled());
    EXPECT_EQ(p.Image_bor_Text->text(), QStringLiteral("3"));
    EXPECT_EQ(p.Image_bordr_clr->color(), QColor(Qt::red));
    EXPECT_EQ(p.Image_border_style->currentText(), QStringLiteral("Dot"));
    const struct {
        DoubleSlider *slider;
        QLineEdit *field;
        double value;
        const char *shown;
    } cases[] = {
        {p.Rotate_slidr, p.Rotate_slidr_val, 90, "90"}, {p.Trsp_slidr, p.Trsp_slidr_val, 40, "40"},
        {p.Hue_slidr, p.Hue_slidr_val, 0.25, "0.25"},   {p.Sat_slidr, p.Sat_slidr_val, 0.5, "0.5"},
        {p.Brt_slidr, p.Brt_slidr_val, -0.2, "-0.2"},   {p.Con_slidr, p.Con_slidr_val, 2, "2"},
        {p.shrp_slidr, p.shrp_slidr_val, 1.5, "1.5"},   {p.ev_slidr, p.ev_slidr_val, 0.3, "0.3"},
        {p.blr_slidr, p.blr_slidr_val, 2, "2"},
    };
    for (const auto &k : cases) {
        EXPECT_NEAR(k.slider->doubleValue(), k.value, 1e-6) << k.slider->objectName().toStdString();
        EXPECT_EQ(k.field->text(), QString::fromLatin1(k.shown)) << k.field->objectName().toStdString();
    }
    EXPECT_TRUE(p.Image_Gray_Scale_chk->isChecked());
    EXPECT_FALSE(p.Image_Sepia_chk->isChecked());
    EXPECT_TRUE(p.Image_Invert_chk->isChecked());
    EXPECT_TRUE(p.Image_FIV_chk->isChecked());
    EXPECT_FALSE(p.Image_FIH_chk->isChecked());
    EXPECT_FALSE(p.image_error_label->isHidden());   // the file is missing
    EXPECT_EQ(sent(), 0);
}

TEST_F(ImagePanelAlone, ReadGivesBackWhatTheFillShowed)
{
    const auto g = picture();
    p.Fill_Image_Panel(*g);
    const ImagePanelValues v = p.Read_Image_Panel();
    EXPECT_TRUE(v.stroke.on);
    EXPECT_EQ(v.stroke.width, 3);
    EXPECT_EQ(v.stroke.color, QColor(Qt::red));
    EXPECT_EQ(v.stroke.borderType, QStringLiteral("DO"));
    EXPECT_FLOAT_EQ(v.rotation, 90);
    EXPECT_FLOAT_EQ(v.transparency, 40);
    EXPECT_FLOAT_EQ(v.hue, 0.25f);
    EXPECT_FLOAT_EQ(v.saturation, 0.5f);
    EXPECT_FLOAT_EQ(v.brightness, -0.2f);
    EXPECT_FLOAT_EQ(v.contrast, 2);
    EXPECT_FLOAT_EQ(v.sharpen, 1.5f);
    EXPECT_FLOAT_EQ(v.exposure, 0.3f);
    EXPECT_FLOAT_EQ(v.blur, 2);
    EXPECT_TRUE(v.gray && v.invert && v.flipV);
    EXPECT_FALSE(v.sepia || v.flipH);
    // The print flag and the path are not the page's.
    EXPECT_EQ(v.printObject, 0);
    EXPECT_FALSE(v.filePath.has_value());
}

TEST_F(ImagePanelAlone, TheBorderControlsAskForTheTransfer)
{
    p.Fill_Image_Panel(*picture());
    p.Image_bor_Stepper->stepUp();
    EXPECT_EQ(p.Image_bor_Text->text(), QStringLiteral("4"));
    EXPECT_EQ(transfers.count(), 1);

    p.Image_bor_Text->setText(QStringLiteral("7"));
    emit p.Image_bor_Text->editingFinished();
    EXPECT_EQ(p.Image_bor_Stepper->intValue(), 7);
    EXPECT_EQ(transfers.count(), 2);

    p.Image_border_style->setCurrentIndex(3);
    EXPECT_EQ(p.Read_Image_Panel().stroke.borderType, QStringLiteral("DD"));
    EXPECT_EQ(transfers.count(), 3);

    p.Image_border_chk->click();
    EXPECT_FALSE(p.Image_Border_Box->isEnabled());
    EXPECT_FALSE(p.Read_Image_Panel().stroke.on);
    EXPECT_EQ(transfers.count(), 4);

    // A colour goes to the selected objects first, then the transfer.
    QList<int> order;
    QObject::connect(&p, &ImagePanel::colorChosen, &p, [&order] { order << 1; });
    QObject::connect(&p, &ImagePanel::transferRequested, &p, [&order] { order << 2; });
    p.Image_bordr_clr->chooseColor(Qt::blue);
    ASSERT_EQ(colours.count(), 1);
    EXPECT_EQ(colours.first().first().value<QColor>(), QColor(Qt::blue));
    EXPECT_EQ(order, QList<int>({1, 2}));
}

TEST_F(ImagePanelAlone, AnEffectSliderCopiesItsValueToItsFieldAndAsksForTheTransfer)
{
    for (const Effect &e : effects()) {
        SCOPED_TRACE(e.slider->objectName().toStdString());
        transfers.clear();
        // One step up, or down from the top of the range.
        e.slider->triggerAction(e.slider->value() < e.slider->maximum() ? QAbstractSlider::SliderSingleStepAdd
                                                                        : QAbstractSlider::SliderSingleStepSub);
        EXPECT_EQ(e.field->text(), QString::number(float(e.slider->doubleValue())));
        EXPECT_NE(e.slider->doubleValue(), e.neutral);
        EXPECT_EQ(transfers.count(), 1);
    }
}

TEST_F(ImagePanelAlone, ADraggedSliderActsOnceItIsLetGo)
{
    p.Brt_slidr->setSliderDown(true);
    p.Brt_slidr->setValue(50);
    EXPECT_EQ(transfers.count(), 0);
    EXPECT_EQ(p.Brt_slidr_val->text(), QStringLiteral("0"));
    p.Brt_slidr->setSliderDown(false);
    EXPECT_EQ(transfers.count(), 1);
    EXPECT_EQ(p.Brt_slidr_val->text(), QStringLiteral("0.5"));
}

TEST_F(ImagePanelAlone, EachFilterBoxAsksForTheTransfer)
{
    const QList<QCheckBox *> boxes = {p.Image_Gray_Scale_chk, p.Image_Sepia_chk, p.Image_Invert_chk, p.Image_FIV_chk,
                                      p.Image_FIH_chk};
    for (QCheckBox *box : boxes)
        box->click();
    EXPECT_EQ(transfers.count(), boxes.size());
    const ImagePanelValues v = p.Read_Image_Panel();
    EXPECT_TRUE(v.gray && v.sepia && v.invert && v.flipV && v.flipH);
}

TEST_F(ImagePanelAlone, ResetPutsTheDefaultsBackWithoutRunningTheHandlers)
{
    p.Fill_Image_Panel(*picture());
    QList<QSignalSpy *> moved;
    for (const Effect &e : effects())
        moved << new QSignalSpy(e.slider, &QSlider::valueChanged);
    QSignalSpy ticked(p.Image_Gray_Scale_chk, &QCheckBox::toggled);
    p.Reset_Image_Editing_Controls();
    for (const Effect &e : effects()) {
        EXPECT_DOUBLE_EQ(e.slider->doubleValue(), e.neutral) << e.slider->objectName().toStdString();
        EXPECT_EQ(e.field->text(), QString::number(e.neutral)) << e.field->objectName().toStdString();
    }
    for (QCheckBox *box : {p.Image_Gray_Scale_chk, p.Image_Sepia_chk, p.Image_Invert_chk, p.Image_FIV_chk, p.Image_FIH_chk})
        EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
    for (QSignalSpy *spy : moved) {
        EXPECT_EQ(spy->count(), 0);
        delete spy;
    }
    EXPECT_EQ(ticked.count(), 0);
    EXPECT_EQ(sent(), 0);
}

TEST_F(ImagePanelAlone, ValuesFromOutsideAreKeptToEachSlidersRangeAndReset)
{
    // The ranges that files, templates and pasted data are brought into are the sliders' own, and a
    // value that is no number takes the slider's reset value.
    ASSERT_EQ(picture_effects::ranges().size(), size_t(effects().size()));
    p.Reset_Image_Editing_Controls();
    for (const picture_effects::Range &r : picture_effects::ranges()) {
        SCOPED_TRACE(r.slider);
        auto *slider = p.findChild<DoubleSlider *>(QString::fromLatin1(r.slider));
        ASSERT_NE(slider, nullptr);
        slider->setDoubleValue(-1e5);
        EXPECT_DOUBLE_EQ(slider->doubleValue(), r.minimum);
        slider->setDoubleValue(1e5);
        EXPECT_DOUBLE_EQ(slider->doubleValue(), r.maximum);
        EXPECT_FLOAT_EQ(picture_effects::clamped(r, -1e9), float(r.minimum));
        EXPECT_FLOAT_EQ(picture_effects::clamped(r, 1e30), float(r.maximum));
        for (double notANumber : {std::nan(""), HUGE_VAL, -HUGE_VAL})
            EXPECT_FLOAT_EQ(picture_effects::clamped(r, notANumber), float(r.fallback));
    }
    p.Reset_Image_Editing_Controls();
    for (const picture_effects::Range &r : picture_effects::ranges())
        EXPECT_DOUBLE_EQ(p.findChild<DoubleSlider *>(QString::fromLatin1(r.slider))->doubleValue(), r.fallback) << r.slider;
}

TEST_F(ImagePanelAlone, TheResetButtonAsksFirst)
{
    testsupport::AppEnvironment env;   // the window's controller shows the question
    testsupport::ResponderScope responder;
    p.Fill_Image_Panel(*picture());
    responder->alertAnswers = {QStringLiteral("No")};
    p.image_reset_btn->click();
    EXPECT_EQ(responder->alertMessages(), QStringList{QStringLiteral("Are you sure you want to continue?")});
    EXPECT_DOUBLE_EQ(p.Trsp_slidr->doubleValue(), 40);
    EXPECT_EQ(resets.count(), 0);

    responder->alertAnswers = {QStringLiteral("Yes")};
    p.image_reset_btn->click();
    EXPECT_DOUBLE_EQ(p.Trsp_slidr->doubleValue(), 100);
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(transfers.count(), 0);   // the Designing mode reloads the pictures, then transfers
}

TEST_F(ImagePanelAlone, CropIsTheDesigningModesWork)
{
    p.image_crop_btn->click();
    EXPECT_EQ(crops.count(), 1);
    EXPECT_EQ(sent(), 1);
}

TEST_F(ImagePanelAlone, AnExistingFileHidesTheErrorLabel)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("here.png"));
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::green);
    ASSERT_TRUE(image.save(path));
    auto g = picture();
    g->_file_path = path;
    p.Fill_Image_Panel(*g);
    EXPECT_TRUE(p.image_error_label->isHidden());
}

TEST_F(ImagePanelAlone, TheIdentifierIsKeptButNeverShownAndBorderStylesAreTheFive)
{
    EXPECT_TRUE(p.img_ctrl_id_val->isHidden());
    ASSERT_EQ(p.Image_border_style->count(), 5);
    EXPECT_EQ(p.Image_border_style->itemText(4), QStringLiteral("Dash Dot Dot"));
    EXPECT_EQ(p.Image_border_style->currentIndex(), 0);
    EXPECT_TRUE(p.Image_border_style->property("tagora_combo_dispatch").toBool());
}

} // namespace
