#pragma once
// The Designing mode's tool palette: one button per drawing tool and the watermark button. A tool
// button announces its tool's number; the Designing mode keeps the current tool and creates the
// tool's object.

#include <QWidget>

#include <memory>

class QPushButton;
namespace Ui {
class ToolPalette;
}

class ToolPalette : public QWidget {
    Q_OBJECT
public:
    explicit ToolPalette(QWidget *parent = nullptr);
    ~ToolPalette() override;

    QPushButton *Arrow_Tool_btn = nullptr, *Line_Tool_btn = nullptr, *Text_Tool_btn = nullptr,
                *Rect_Tool_btn = nullptr, *Circle_Tool_btn = nullptr, *Round_Rect_Tool_btn = nullptr,
                *Triangle_Tool_btn = nullptr, *Diamond_Tool_btn = nullptr, *Image_Tool_btn = nullptr,
                *Image_Library_Tool_btn = nullptr, *Barcode_Tool_btn = nullptr, *Signature_Tool_btn = nullptr,
                *Fingure_Print_Tool_btn = nullptr, *Star_Tool_btn = nullptr, *Double_Star_Tool_btn = nullptr,
                *Polygon_Tool_btn = nullptr, *Watermark_Tool_btn = nullptr;

    // The tool buttons (sender ignored): each announces its tool, 0 the arrow to 15 the polygon.
    void Arrow_Tool_Clicked();
    void Line_Tool_Clicked();
    void Text_Tool_Clicked();
    void Rect_Tool_Clicked();
    void Circle_Tool_Clicked();
    void Round_Rect_Tool_Clicked();
    void Triangle_Tool_Clicked();
    void Diamond_Tool_Clicked();
    void Image_Tool_Clicked();
    void Image_Library_Tool_Clicked();
    void Barcode_Tool_Clicked();
    void Signature_Tool_Clicked();
    void Fingure_Print_Tool_Clicked();
    void Star_Tool_Clicked();
    void Double_Star_Tool_Clicked();
    void Polygon_Tool_Clicked();
    // The card's watermark settings are asked for; no tool is chosen.
    void Watermark_Tool_Clicked();

signals:
    void toolChosen(int tool);
    void watermarkRequested();

private:
    std::unique_ptr<Ui::ToolPalette> ui;
};
