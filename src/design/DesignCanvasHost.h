#pragma once
// The canvas's host in the main window: the Designing mode's workspace, the other modes' settings
// and the barcode-object window, as the canvas sees them.

#include "model/CanvasHost.h"

#include <QPointer>

class DesignController;
class SKTGraphicView;

class DesignCanvasHost : public CanvasHost {
public:
    explicit DesignCanvasHost(DesignController &design);
    ~DesignCanvasHost() override;

    void Card_Base_Drawing(QPainter &painter, const QRectF &cardRect) override;
    void Card_Border_Drawing(QPainter &painter, const QRectF &cardRect) override;
    int Selected_Control_Tool() const override;
    void Set_Selected_Control_Tool(int tool) override;
    QString currentGraphicClass() const override;
    void Insert_In_Undo_Redo() override;
    QPointF Control_New_Point(const QString &cardSide) override;
    void Show_RHS_Properties(SKTGraphic *graphic) override;
    void Refresh_Canvas() override;
    void Enable_Same_Size_Buttons(bool enable) override;
    std::shared_ptr<SKTGraphic> Current_Graphic() const override;
    void Set_Current_Graphic(const std::shared_ptr<SKTGraphic> &graphic) override;
    void Open_Barcode_Window(const std::shared_ptr<SKTGraphic> &barcode) override;
    void Check_Series_Or_Excel_Use_or_not() override;
    QString Card_Objects_Mime_Type() const override;
    void Set_Paste_Button_Status() override;
    void Undo_Action_Perform() override;
    void Redo_Action_Perform() override;
    bool Can_Undo() const override;
    bool Can_Redo() const override;
    double Get_Unit_Convertor(int from, int to) const override;
    QImage Placeholder_Image(Placeholder which) const override;
    platform::Picture First_Barcode_Picture(SKTGraphic &barcode, const QString &ctrl_value) override;

private:
    DesignController &m_design;
    QPointer<SKTGraphicView> m_canvas;
};
