// The tool buttons and their handlers; the Designing mode hears the chosen tool through toolChosen.

#include "design/ToolPalette.h"

#include "platform/FormBinding.h"

#include "ui_ToolPalette.h"

#include <QPushButton>

#include <utility>

namespace {

void bind(ToolPalette &c, const Ui::ToolPalette &ui)
{
    // Not outlets: the column and the stretch under the tools.
    designform::bindForm<2>(
        ui, FORM_OUTLET(Arrow_Tool_btn), FORM_OUTLET(Line_Tool_btn), FORM_OUTLET(Text_Tool_btn), FORM_OUTLET(Rect_Tool_btn),
        FORM_OUTLET(Circle_Tool_btn), FORM_OUTLET(Round_Rect_Tool_btn), FORM_OUTLET(Triangle_Tool_btn),
        FORM_OUTLET(Diamond_Tool_btn), FORM_OUTLET(Star_Tool_btn), FORM_OUTLET(Double_Star_Tool_btn),
        FORM_OUTLET(Polygon_Tool_btn), FORM_OUTLET(Image_Tool_btn), FORM_OUTLET(Image_Library_Tool_btn),
        FORM_OUTLET(Barcode_Tool_btn), FORM_OUTLET(Signature_Tool_btn), FORM_OUTLET(Fingure_Print_Tool_btn),
        FORM_OUTLET(Watermark_Tool_btn));
}

} // namespace

ToolPalette::ToolPalette(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::ToolPalette>())
{
    ui->setupUi(this);
    bind(*this, *ui);
    const std::pair<QPushButton *, void (ToolPalette::*)()> tools[] = {
        {Arrow_Tool_btn, &ToolPalette::Arrow_Tool_Clicked},
        {Line_Tool_btn, &ToolPalette::Line_Tool_Clicked},
        {Text_Tool_btn, &ToolPalette::Text_Tool_Clicked},
        {Rect_Tool_btn, &ToolPalette::Rect_Tool_Clicked},
        {Circle_Tool_btn, &ToolPalette::Circle_Tool_Clicked},
        {Round_Rect_Tool_btn, &ToolPalette::Round_Rect_Tool_Clicked},
        {Triangle_Tool_btn, &ToolPalette::Triangle_Tool_Clicked},
        {Diamond_Tool_btn, &ToolPalette::Diamond_Tool_Clicked},
        {Image_Tool_btn, &ToolPalette::Image_Tool_Clicked},
        {Image_Library_Tool_btn, &ToolPalette::Image_Library_Tool_Clicked},
        {Barcode_Tool_btn, &ToolPalette::Barcode_Tool_Clicked},
        {Signature_Tool_btn, &ToolPalette::Signature_Tool_Clicked},
        {Fingure_Print_Tool_btn, &ToolPalette::Fingure_Print_Tool_Clicked},
        {Star_Tool_btn, &ToolPalette::Star_Tool_Clicked},
        {Double_Star_Tool_btn, &ToolPalette::Double_Star_Tool_Clicked},
        {Polygon_Tool_btn, &ToolPalette::Polygon_Tool_Clicked},
        {Watermark_Tool_btn, &ToolPalette::Watermark_Tool_Clicked},
    };
    for (const auto &[button, handler] : tools) {
        connect(button, &QPushButton::clicked, this, handler);
        // From the keyboard Enter works as Space does: the tool's object is made as by a click.
        button->setAutoDefault(true);
    }
}

ToolPalette::~ToolPalette() = default;

void ToolPalette::Arrow_Tool_Clicked() { emit toolChosen(0); }
void ToolPalette::Line_Tool_Clicked() { emit toolChosen(1); }
void ToolPalette::Text_Tool_Clicked() { emit toolChosen(2); }
void ToolPalette::Rect_Tool_Clicked() { emit toolChosen(3); }
void ToolPalette::Circle_Tool_Clicked() { emit toolChosen(4); }
void ToolPalette::Round_Rect_Tool_Clicked() { emit toolChosen(5); }
void ToolPalette::Triangle_Tool_Clicked() { emit toolChosen(6); }
void ToolPalette::Diamond_Tool_Clicked() { emit toolChosen(7); }
void ToolPalette::Image_Tool_Clicked() { emit toolChosen(8); }
void ToolPalette::Image_Library_Tool_Clicked() { emit toolChosen(9); }
void ToolPalette::Barcode_Tool_Clicked() { emit toolChosen(10); }
void ToolPalette::Signature_Tool_Clicked() { emit toolChosen(11); }
void ToolPalette::Fingure_Print_Tool_Clicked() { emit toolChosen(12); }
void ToolPalette::Star_Tool_Clicked() { emit toolChosen(13); }
void ToolPalette::Double_Star_Tool_Clicked() { emit toolChosen(14); }
void ToolPalette::Polygon_Tool_Clicked() { emit toolChosen(15); }

void ToolPalette::Watermark_Tool_Clicked() { emit watermarkRequested(); }
