#include "design/panels/ImagePanel.h"

#include "core/Messages.h"
#include "core/Utilities.h"
#include "design/DoubleSlider.h"
#include "design/panels/PanelControls.h"
#include "model/SKTGraphic.h"
#include "model/StyleCodes.h"
#include "platform/ColorWell.h"
#include "platform/ComboItems.h"
#include "platform/FormBinding.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include "ui_ImagePanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <cmath>
#include <tuple>
#include <utility>

using namespace panelcontrols;

namespace {

void bind(ImagePanel &c, const Ui::ImagePanel &ui)
{
    // Not outlets: the page's layout, scroll area, scrolling content and the content's layout and
    // stretch, the border box's layout, the effects and filters boxes with their layouts, twelve
    // labels, eleven rows with their layouts and the stretch in the buttons' row.
    designform::bindForm<45>(
        ui, FORM_OUTLET(img_ctrl_id_val), FORM_OUTLET(image_error_label), FORM_OUTLET(Image_border_chk),
        FORM_OUTLET(Image_Border_Box), FORM_OUTLET(Image_bor_Text), FORM_OUTLET(Image_bor_Stepper),
        FORM_OUTLET(Image_bordr_clr), FORM_OUTLET(Image_border_style), FORM_OUTLET(Rotate_slidr),
        FORM_OUTLET(Rotate_slidr_val), FORM_OUTLET(Trsp_slidr), FORM_OUTLET(Trsp_slidr_val), FORM_OUTLET(Hue_slidr),
        FORM_OUTLET(Hue_slidr_val), FORM_OUTLET(Sat_slidr), FORM_OUTLET(Sat_slidr_val), FORM_OUTLET(Brt_slidr),
        FORM_OUTLET(Brt_slidr_val), FORM_OUTLET(Con_slidr), FORM_OUTLET(Con_slidr_val), FORM_OUTLET(shrp_slidr),
        FORM_OUTLET(shrp_slidr_val), FORM_OUTLET(ev_slidr), FORM_OUTLET(ev_slidr_val), FORM_OUTLET(blr_slidr),
        FORM_OUTLET(blr_slidr_val), FORM_OUTLET(Image_Gray_Scale_chk), FORM_OUTLET(Image_Sepia_chk),
        FORM_OUTLET(Image_Invert_chk), FORM_OUTLET(Image_FIV_chk), FORM_OUTLET(Image_FIH_chk),
        FORM_OUTLET(image_reset_btn), FORM_OUTLET(image_crop_btn));
}

double sliderOf(const DoubleSlider *s) { return s ? s->doubleValue() : 0.0; }

} // namespace

ImagePanel::ImagePanel(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::ImagePanel>())
{
    // The effect sliders' minimum, maximum and value in the form are in hundredths, the slider's
    // steps per unit.
    ui->setupUi(this);
    bind(*this, *ui);
    // The identifier is kept for the window, never shown.
    img_ctrl_id_val->hide();
    platform::ui::fillCombo(Image_border_style, Border_Style_Titles());
    Image_border_style->setCurrentIndex(0);

    onClick(Image_border_chk, this, [this] { Image_Border_ChkBox(); });
    onPair(Image_bor_Stepper, Image_bor_Text, this, [this](QObject *sender) { Image_Border_Changed(sender); });
    onWell(Image_bordr_clr, this, [this](QObject *sender) { Set_ImageControl_Clr(sender); });
    // Each effect's number, named for its messages as its label names it.
    const std::tuple<DoubleSlider *, QLineEdit *, const char *, const char *> effects[] = {
        {Rotate_slidr, Rotate_slidr_val, "rotation", "degrees"}, {Trsp_slidr, Trsp_slidr_val, "opacity", "percent"},
        {Hue_slidr, Hue_slidr_val, "hue", ""},                   {Sat_slidr, Sat_slidr_val, "saturation", ""},
        {Brt_slidr, Brt_slidr_val, "brightness", ""},            {Con_slidr, Con_slidr_val, "contrast", ""},
        {shrp_slidr, shrp_slidr_val, "sharpness", ""},           {ev_slidr, ev_slidr_val, "exposure", ""},
        {blr_slidr, blr_slidr_val, "blur", ""},
    };
    for (const auto &[s, field, what, unit] : effects) {
        onSlide(s, this, [this, s = s] { Image_Slider_Changed(s); });
        onSliderNumber(s, field, this, {QString::fromLatin1(what), QString::fromLatin1(unit)},
                       [this, s = s] { Image_Slider_Changed(s); });
    }
    for (QCheckBox *b : {Image_Gray_Scale_chk, Image_Sepia_chk, Image_Invert_chk, Image_FIV_chk, Image_FIH_chk})
        onClick(b, this, [this] { emit transferRequested(); });
    onClick(image_reset_btn, this, [this] { Image_reset_Button(); });
    onClick(image_crop_btn, this, [this] { Cropping_Selected_Image_clicked(); });
    onSelection({Image_border_style}, this, [this](QComboBox *list) { comboBoxSelectionDidChange(list); });
}

ImagePanel::~ImagePanel() = default;

void ImagePanel::Fill_Image_Panel(const SKTGraphic &g)
{
    text(img_ctrl_id_val, g.control_ID);
    check(Image_border_chk, g._isDrawingStroke);
    wholePair(Image_bor_Stepper, Image_bor_Text, std::trunc(g._strokeWidth));
    colour(Image_bordr_clr, g._strokeColor);
    borderStyle(Image_border_style, g._stroke_border_type);
    slider(Rotate_slidr, Rotate_slidr_val, g.rotate_image);
    slider(Trsp_slidr, Trsp_slidr_val, g.img_trnsp_val);
    slider(Hue_slidr, Hue_slidr_val, g.hue_val);
    slider(Sat_slidr, Sat_slidr_val, g.sat_val);
    slider(Brt_slidr, Brt_slidr_val, g.brt_val);
    slider(Con_slidr, Con_slidr_val, g.con_val);
    slider(shrp_slidr, shrp_slidr_val, g.srp_val);
    slider(ev_slidr, ev_slidr_val, g.ev_val);
    slider(blr_slidr, blr_slidr_val, g.blr_val);
    check(Image_Gray_Scale_chk, g.gray_Scale);
    check(Image_Sepia_chk, g.Sepia);
    check(Image_Invert_chk, g.invert_clr);
    check(Image_FIV_chk, g._isFlippedVertically);
    check(Image_FIH_chk, g._isFlippedHorizontally);
    SetObjEnabled(Image_Border_Box, g._isDrawingStroke);
    image_error_label->setVisible(!QFileInfo(g._file_path).isFile());
}

ImagePanelValues ImagePanel::Read_Image_Panel() const
{
    ImagePanelValues v;
    v.stroke.on = isOn(Image_border_chk);
    v.stroke.color = Image_bordr_clr->color();
    v.stroke.width = Image_bor_Stepper->intValue();
    v.stroke.borderType = Border_Style_Code(Image_border_style->currentIndex());
    v.flipH = isOn(Image_FIH_chk);
    v.flipV = isOn(Image_FIV_chk);
    v.invert = isOn(Image_Invert_chk);
    v.gray = isOn(Image_Gray_Scale_chk);
    v.sepia = isOn(Image_Sepia_chk);
    v.transparency = float(sliderOf(Trsp_slidr));
    v.rotation = float(sliderOf(Rotate_slidr));
    v.hue = float(sliderOf(Hue_slidr));
    v.saturation = float(sliderOf(Sat_slidr));
    v.brightness = float(sliderOf(Brt_slidr));
    v.contrast = float(sliderOf(Con_slidr));
    v.sharpen = float(sliderOf(shrp_slidr));
    v.exposure = float(sliderOf(ev_slidr));
    v.blur = float(sliderOf(blr_slidr));
    return v;
}

void ImagePanel::Reset_Image_Editing_Controls()
{
    const struct {
        DoubleSlider *slider;
        QLineEdit *field;
        double value;
    } effects[] = {
        {Rotate_slidr, Rotate_slidr_val, 0}, {Trsp_slidr, Trsp_slidr_val, 100}, {Hue_slidr, Hue_slidr_val, 0},
        {Sat_slidr, Sat_slidr_val, 1},       {Brt_slidr, Brt_slidr_val, 0},     {Con_slidr, Con_slidr_val, 1},
        {shrp_slidr, shrp_slidr_val, 0},     {ev_slidr, ev_slidr_val, 0},       {blr_slidr, blr_slidr_val, 0},
    };
    for (const auto &e : effects) {
        {
            const QSignalBlocker block(e.slider);
            e.slider->setDoubleValue(e.value);
        }
        const QSignalBlocker block(e.field);
        platform::showNumber(e.field, e.value, platform::PairFormat::Real);
    }
    for (QCheckBox *box : {Image_Gray_Scale_chk, Image_Sepia_chk, Image_Invert_chk, Image_FIV_chk, Image_FIH_chk}) {
        const QSignalBlocker block(box);
        box->setChecked(false);
    }
}

void ImagePanel::Image_Border_ChkBox()
{
    SetObjEnabled(Image_Border_Box, isOn(Image_border_chk));
    emit transferRequested();
}

void ImagePanel::Image_Border_Changed(QObject *sender)
{
    if (!takePair(sender, Image_bor_Stepper, Image_bor_Text, platform::PairFormat::Integer,
                  {QStringLiteral("border width"), QStringLiteral("pt")}))
        return;
    emit transferRequested();
}

void ImagePanel::Set_ImageControl_Clr(QObject *sender)
{
    auto *well = qobject_cast<platform::ColorWell *>(sender);
    emit colorChosen(well ? well->color() : QColor());
    emit transferRequested();
}

void ImagePanel::Image_Slider_Changed(QObject *slider)
{
    const std::pair<DoubleSlider *, QLineEdit *> pairs[] = {
        {Rotate_slidr, Rotate_slidr_val}, {Trsp_slidr, Trsp_slidr_val}, {Hue_slidr, Hue_slidr_val},
        {Sat_slidr, Sat_slidr_val},       {Brt_slidr, Brt_slidr_val},   {Con_slidr, Con_slidr_val},
        {shrp_slidr, shrp_slidr_val},     {ev_slidr, ev_slidr_val},     {blr_slidr, blr_slidr_val},
    };
    for (const auto &[s, field] : pairs)
        if (s == slider)
            platform::showNumber(field, s->doubleValue(), platform::PairFormat::Real);
    emit transferRequested();
}

void ImagePanel::Image_reset_Button()
{
    if (Show_YES_NO_MessageBox(QStringLiteral("Are you sure you want to continue?")) != 1)
        return;
    Reset_Image_Editing_Controls();
    emit resetRequested();
}

void ImagePanel::Cropping_Selected_Image_clicked() { emit cropRequested(); }

void ImagePanel::comboBoxSelectionDidChange(QComboBox *combo)
{
    if (combo == Image_border_style)
        emit transferRequested();
}

#include "moc_ImagePanel.cpp"
