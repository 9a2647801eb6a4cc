// The least canvas services that project loading and the project reset need, until the canvas
// brings its own.

#include "design/DesignController.h"

#include "app/SKTWindowController.h"
#include "model/SKTDocument.h"

#include <QLabel>
#include <QScrollArea>

void DesignController::delete_all_control()
{
    if (SKTDocument *document = hub.document()) {
        QList<int> indexes;
        for (qsizetype i = 0; i < document->graphics().size(); ++i)
            indexes.append(int(i));
        if (!indexes.isEmpty())
            document->removeGraphicsAtIndexes(indexes);
    }
    _Selected_Graphic.reset();
    Last_Selected_Graphic = nullptr;
    Canvas_Selection = nullptr;
}

void DesignController::Select_front_side()
{
    if (Front_back_label)
        Front_back_label->setText(QStringLiteral("Front"));
    if (Card_Image_Scrl)
        Card_Image_Scrl->setVisible(true);
    if (Card_Image_Scrl_BACK)
        Card_Image_Scrl_BACK->setVisible(false);
    changeViewController(0);
}
