// The design copy around batch jobs: taken before a print, export or mail job fills the card record
// by record, and read back afterwards. A copy that lacks an object is never used to replace the
// canvas, so no object is lost after an output.

#include "app/SKTWindowController.h"

#include "barcodemode/BarcodeModeController.h"
#include "core/Mode.h"
#include "design/DesignCard.h"
#include "design/DesignParts.h"
#include "design/DesignSelection.h"
#include "design/DesignWorkArea.h"
#include "model/DesignGlobals.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Messages.h"
#include "model/DesignSnapshot.h"
#include "model/ObjectArchive.h"
#include "model/SKTDocument.h"
#include "model/SKTGraphic.h"

#include <exception>

namespace {

std::optional<ObjectArchive> archiveOf(const SKTGraphic &graphic)
{
    ObjectArchive archive(graphic.className());
    graphic.encodeWithCoder(archive);
    return archive;
}

// An archive holding a value that cannot be decoded reads back only in part: a failure.
std::shared_ptr<SKTGraphic> graphicOf(const ObjectArchive &archive)
{
    for (const ObjectArchive::Entry &entry : archive.entries())
        if (entry.kind() == ObjectArchive::Kind::Broken)
            return nullptr;
    return SKTGraphic::initWithCoder(archive);
}

const QString kIncompleteBackup =
    QStringLiteral("The design could not be copied completely, so the output was not started. The card is unchanged.");
const QString kIncompleteRestore =
    QStringLiteral("The design could not be read back completely from its copy. The card has been left as it is.");

} // namespace

bool SKTWindowController::Create_Design_Backup_Array()
{
    DesignCard &card = cardOf(design());
    card.Graphics_array_Batch_Front_Bkup.reset();
    const auto archive = Backup_Archive_Graphic ? Backup_Archive_Graphic : archiveOf;
    QList<ObjectArchive> archives;
    bool complete = true;
    for (const std::shared_ptr<SKTGraphic> &graphic : selectionOf(design()).Get_Front_Controls_Array()) {
        if (!graphic)
            continue;
        try {
            std::optional<ObjectArchive> one = archive(*graphic);
            if (!one)
                throw std::runtime_error("the object could not be archived");
            archives.append(std::move(*one));
        } catch (const std::exception &e) {
            Show_NSLog_Message(QStringLiteral("%1 (%2)").arg(QString::fromUtf8(e.what()), graphic->control_ID));
            complete = false;
        }
    }
    card.Graphics_array_Batch_Front_Bkup = DesignSnapshot::fromArchives(std::move(archives));
    return complete;
}

bool SKTWindowController::Create_Card_Design_Again()
{
    if (Barcode_Setting_Or_Designing_Mode != 1)
        return true;
    const DesignCard &card = cardOf(design());
    SKTDocument *doc = document();
    if (!card.Graphics_array_Batch_Front_Bkup || !doc)
        return false;
    const auto unarchive = Backup_Unarchive_Graphic ? Backup_Unarchive_Graphic : graphicOf;
    // Everything is read first: the canvas is replaced only by a whole design.
    SKTGraphicList restored;
    for (const ObjectArchive &archive : card.Graphics_array_Batch_Front_Bkup->archives()) {
        std::shared_ptr<SKTGraphic> graphic;
        try {
            graphic = unarchive(archive);
        } catch (const std::exception &e) {
            Show_NSLog_Message(QString::fromUtf8(e.what()));
        }
        if (!graphic) {
            Show_MessageBox(kIncompleteRestore);
            return false;
        }
        restored.append(std::move(graphic));
    }
    // The selection and the current object name objects that are gone.
    DesignSelection &selection = selectionOf(design());
    selection.Set_Selected_Graphic(nullptr);
    selection.Last_Selected_Graphic = nullptr;
    QList<int> all;
    for (int i = 0; i < doc->graphics().size(); ++i)
        all.append(i);
    if (!all.isEmpty())
        doc->removeGraphicsAtIndexes(all);
    QList<int> indexes;
    for (int i = 0; i < restored.size(); ++i)
        indexes.append(i);
    if (!restored.isEmpty())
        doc->insertGraphics(restored, indexes);
    for (const std::shared_ptr<SKTGraphic> &graphic : restored)
        if (graphic->graphicClass() == SKTGraphicClass::Barcode)
            graphic->Set_Barcode_image_control_bounds();
    workAreaOf(design()).Refresh_Canvas();
    return true;
}

bool SKTWindowController::Set_Front_Back_Value_To_Print_Export_Mail()
{
    if (Barcode_Setting_Or_Designing_Mode != 1)
        return true;
    Set_Logo_Item_List_EMPTY();
    if (!Create_Design_Backup_Array()) {
        Show_MessageBox(kIncompleteBackup);
        return false;
    }
    cardOf(design()).Graphics_array_Batch = selectionOf(design()).Get_Front_Controls_Array();
    workAreaOf(design()).Refresh_Canvas();
    return true;
}

void SKTWindowController::Set_Graphic_Array_According_Side()
{
    if (Barcode_Setting_Or_Designing_Mode != 1)
        return;
    Card_Value_In_Process = false;
    cardOf(design()).Graphics_array_Batch = selectionOf(design()).Get_Front_Controls_Array();
}

void SKTWindowController::Draw_2d_barcode_again_for_manual()
{
    BarcodeModeController &b = barcodeMode();
    if (!Use_Data_Sheet_Values && b.liner_or_2D_font == 1)
        b.goButtonActionPerformed();
}
