// A design of 500 objects of all six classes, and one of 500 barcode objects, saved to a project
// file and opened again through the projects part, each timed over a few runs: prints the best
// save and the best load in ms. Opening draws every barcode object again from its settings.

#include "BenchWindow.h"

#include "barcodemode/Barcode_Gen.h"

#include "core/Globals.h"
#include "design/DesignCard.h"
#include "design/DesignParts.h"
#include "engines/Symbologies.h"
#include "model/DesignGlobals.h"
#include "design/DesignController.h"
#include "model/SKTDocument.h"
#include "model/SKTGraphic.h"
#include "platform/Dialogs.h"
#include "platform/HeadlessResponder.h"
#include "platform/Picture.h"
#include "model/Card_Property.h"
#include "projects/ProjectsController.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

// A barcode object of the i-th kind (Code 128, EAN-13, QR Code) with the picture its settings draw,
// as a saved design holds it.
void makeBarcode(SKTGraphic &g, int i, Barcode_Gen &window)
{
    const char *titles[] = {"Code 128", "EAN-13", "QR Code"};
    g.barcode_font_index = Symbologies::indexOf(QLatin1String(titles[i % 3]));
    g.linear_or_2d = i % 3 == 2 ? 1 : 0;
    g.linear_font_val = i % 3 == 0 ? QStringLiteral("TAG-%1").arg(i) : QStringLiteral("5901234123457");
    g.two_d_font_val = QStringLiteral("https://example.org/item/%1").arg(i);
    window.Set_Barcode_Prop_To_Control(g, true);
    g.Set_Barcode_image(window.Get_Image_From_Val(g.linear_or_2d ? g.two_d_font_val : g.linear_font_val, {}, {}));
}

SKTGraphicList design500(Barcode_Gen &window, bool barcodesOnly)
{
    const SKTGraphicClass classes[] = {SKTGraphicClass::Line, SKTGraphicClass::Text, SKTGraphicClass::Shape,
                                       SKTGraphicClass::Image, SKTGraphicClass::Barcode, SKTGraphicClass::Signature};
    SKTGraphicList objects;
    for (int i = 0; i < 500; ++i) {
        auto g = SKTGraphic::graphicOfClass(barcodesOnly ? SKTGraphicClass::Barcode : classes[i % 6]);
        g->_bounds = QRectF(i % 50, i / 50, 40, 20);
        g->control_ID = QStringLiteral("ID_%1").arg(i);
        g->Set_text_value(QStringLiteral("Text %1").arg(i));
        g->text_ctrl_font = QFont(QStringLiteral("DejaVu Sans"));
        g->value_font_val = g->header_font_val = g->footer_font_val = g->text_ctrl_font;
        if (g->graphicClass() == SKTGraphicClass::Barcode)
            makeBarcode(*g, i, window);
        objects.append(g);
    }
    return objects;
}

} // namespace

int main(int argc, char **argv)
{
    bench::Window window(argc, argv);
    platform::setDialogResponder(std::make_shared<platform::HeadlessResponder>());
    window.shown();
    Text_Ctrl_Font = QStringLiteral("DejaVu Sans");
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/design.qbf");
    SKTDocument &document = *window.document();
    ProjectsController &projects = window.projects();

    for (const bool barcodesOnly : {false, true}) {
        double bestSave = 1e9, bestLoad = 1e9;
        for (int run = 0; run < 5; ++run) {
            window.design().delete_all_control();
            const SKTGraphicList objects = design500(window.barcodeGen(), barcodesOnly);
            QList<int> indexes;
            for (int i = 0; i < objects.size(); ++i)
                indexes.append(i);
            document.insertGraphics(objects, indexes);
            cardOf(window.design()).Front_card_Prop->Card_Size = QSizeF(400, 300);
            Project_File_Name = file;
            QElapsedTimer t;
            t.start();
            if (!projects.Save_project_file(false, false, QStringLiteral("L")))
                return 1;
            bestSave = std::min(bestSave, t.nsecsElapsed() / 1e6);
            t.restart();
            if (projects.Read_and_load_design_Log_NEW_METHOD(file, QStringLiteral("L"), true) != 1 || document.graphics().size() != 500)
                return 1;
            bestLoad = std::min(bestLoad, t.nsecsElapsed() / 1e6);
        }
        std::printf("objects: 500%s, file: %lld bytes\nsave: %.1f ms\nload: %.1f ms\n", barcodesOnly ? " barcode objects" : " of six classes",
                    QFileInfo(file).size(), bestSave, bestLoad);
    }
    return 0;
}
