#pragma once
// A canvas over a document and a selection, with a host that records what the canvas asks of the
// workspace.

#include "core/GlobalsReset.h"
#include "model/CanvasHost.h"
#include "model/SKTDocument.h"
#include "model/SKTGraphicView.h"
#include "model/SKTGraphicsController.h"
#include "model/SKTGrid.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>

namespace canvastest {

class FakeHost : public CanvasHost {
public:
    int tool = 0;
    int snapshots = 0;
    int baseCalls = 0, borderCalls = 0;
    QPointF cascadeStart{30, 30};
    int cascadeCount = 0;
    bool sameSizeEnabled = false;
    std::weak_ptr<SKTGraphic> current;
    platform::Picture barcodePicture;   // what the barcode window renders
    QStringList barcodeValues;          // the ctrl_value of each first picture asked for
    SKTGraphicList openedBarcodes;
    int batchRecounts = 0;
    int refreshes = 0;
    int pasteStatusCalls = 0, undos = 0, redos = 0;
    bool canUndo = false, canRedo = false;

    void Card_Base_Drawing(QPainter &painter, const QRectF &cardRect) override
    {
        ++baseCalls;
        painter.fillRect(cardRect, Qt::white);
    }
    void Card_Border_Drawing(QPainter &, const QRectF &) override { ++borderCalls; }
    int Selected_Control_Tool() const override { return tool; }
    void Set_Selected_Control_Tool(int t) override { tool = t; }
    QString currentGraphicClass() const override
    {
        switch (tool) {
        case 1: return QStringLiteral("SKTLine");
        case 2: return QStringLiteral("SKTText");
        case 3: case 4: case 5: case 6: case 7: case 13: case 14: case 15: return QStringLiteral("Shape_Control");
        case 8: case 9: return QStringLiteral("SKTImage");
        case 10: return QStringLiteral("SKTBarcode");
        case 11: case 12: return QStringLiteral("SKTSignature");
        default: return QString();
        }
    }
    void Insert_In_Undo_Redo() override { ++snapshots; }
    QPointF Control_New_Point(const QString &) override
    {
        return cascadeStart + QPointF(20, 20) * cascadeCount++;
    }
    void Show_RHS_Properties(SKTGraphic *) override {}
    void Refresh_Canvas() override { ++refreshes; }
    void Enable_Same_Size_Buttons(bool enable) override { sameSizeEnabled = enable; }
    std::shared_ptr<SKTGraphic> Current_Graphic() const override { return current.lock(); }
    void Set_Current_Graphic(const std::shared_ptr<SKTGraphic> &g) override { current = g; }
    void Open_Barcode_Window(const std::shared_ptr<SKTGraphic> &barcode) override { openedBarcodes << barcode; }
    void Check_Series_Or_Excel_Use_or_not() override { ++batchRecounts; }
    QString Card_Objects_Mime_Type() const override { return QStringLiteral("application/x-tagora-card-objects"); }
    void Set_Paste_Button_Status() override { ++pasteStatusCalls; }
    void Undo_Action_Perform() override { ++undos; }
    void Redo_Action_Perform() override { ++redos; }
    bool Can_Undo() const override { return canUndo; }
    bool Can_Redo() const override { return canRedo; }
    // Inches, centimetres and millimetres, each in millimetres.
    double Get_Unit_Convertor(int from, int to) const override
    {
        static const double mm[] = {25.4, 10.0, 1.0};
        return from < 0 || from > 2 || to < 0 || to > 2 ? 1.0 : mm[from] / mm[to];
    }
    QImage Placeholder_Image(Placeholder) const override
    {
        QImage image(40, 30, QImage::Format_ARGB32);
        image.fill(Qt::gray);
        return image;
    }
    platform::Picture First_Barcode_Picture(SKTGraphic &, const QString &ctrl_value) override
    {
        barcodeValues << ctrl_value;
        return barcodePicture;
    }
};

class CanvasFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobalsForTests();
        selection.setDocument(&document);
        view.setHost(&host);
        view.bindGraphics(&document);
        view.bindSelectionIndexes(&selection);
        view.setCardSize(QSizeF(300, 200));
        // As the window does: the card objects move and resize within the canvas's bounds.
        SKTCanvasHooks hooks;
        hooks.canvasBounds = [this] { return view.bounds(); };
        hooks.controlNewPoint = [this](const QString &side) { return host.Control_New_Point(side); };
        SKTGraphic::setCanvasHooks(std::move(hooks));
    }
    void TearDown() override
    {
        SKTGraphic::setCanvasHooks({});
        resetGlobalsForTests();
    }

    // A rectangle shape object with a frame, inserted at the end of the list.
    std::shared_ptr<SKTGraphic> addShape(const QRectF &frame)
    {
        auto g = SKTGraphic::graphicOfClass(SKTGraphicClass::Shape);
        g->setBounds(frame);
        document.insertGraphics({g}, {int(document.graphics().size())});
        return g;
    }

    // One drawing pass over the whole card, at one pixel per point.
    QImage render()
    {
        QImage image(300, 200, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        view.drawRect(painter, view.bounds());
        return image;
    }

    FakeHost host;
    SKTDocument document;
    SKTGraphicsController selection;
    SKTGraphicView view;
};

} // namespace canvastest
