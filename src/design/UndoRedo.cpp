// The Designing mode's own undo and redo history: whole snapshots of the card's objects.
//
// Every change records its step once, after the change, so the top of the undo stack is always the
// design as shown. Undo moves the design as shown to the redo stack and restores the snapshot below
// the top; the bottom snapshot (the design as started or read) is never removed. Redo restores the
// redo stack's top and pushes it back on the undo stack. A snapshot that misses an object would, once
// restored, delete that object from the design, so it is never pushed.


#include "core/Messages.h"
#include "design/DesignCard.h"
#include "design/DesignController.h"
#include "design/DesignSelection.h"
#include "design/DesignSources.h"
#include "design/DesignWorkArea.h"
#include "design/EditingCommands.h"
#include "design/PropertySidebar.h"
#include "design/RecordBinding.h"
#include "design/UndoSnapshots.h"
#include "design/UndoStacks.h"
#include "model/Card_Property.h"
#include "model/DesignGlobals.h"
#include "model/DesignSnapshot.h"
#include "model/ObjectArchive.h"
#include "model/SKTBarcode.h"
#include "model/SKTDocument.h"

#include <QHash>

#include <exception>
#include <numeric>

namespace {

// The number of keys a complete archive of each class holds: that of a bare object of the class.
qsizetype completeKeyCount(const QString &className)
{
    static QHash<QString, qsizetype> counts;
    const auto found = counts.constFind(className);
    if (found != counts.cend())
        return *found;
    qsizetype count = -1;
    if (const std::shared_ptr<SKTGraphic> probe = SKTGraphic::graphicOfClassNamed(className)) {
        ObjectArchive archive(className);
        probe->encodeWithCoder(archive);
        count = archive.count();
    }
    counts.insert(className, count);
    return count;
}

} // namespace

bool Archive_Is_Complete(const ObjectArchive &archive)
{
    const qsizetype expected = completeKeyCount(archive.className());
    if (expected < 0 || archive.count() != expected)
        return false;
    for (const ObjectArchive::Entry &entry : archive.entries())
        if (entry.kind() == ObjectArchive::Kind::Broken)
            return false;
    return true;
}

QString Snapshot_Fault(const DesignSnapshot &snapshot, const SKTGraphicList &graphics)
{
    if (snapshot.count() != graphics.size())
        return QStringLiteral("Undo: the snapshot holds %1 of the design's %2 objects; the step is not recorded.")
            .arg(snapshot.count())
            .arg(graphics.size());
    for (qsizetype i = 0; i < graphics.size(); ++i) {
        const ObjectArchive &archive = snapshot.archives().at(i);
        if (!graphics.at(i) || archive.className() != graphics.at(i)->className() || !Archive_Is_Complete(archive))
            return QStringLiteral("Undo: object %1 (%2) did not archive completely; the step is not recorded.")
                .arg(i + 1)
                .arg(graphics.at(i) ? graphics.at(i)->className() : QStringLiteral("none"));
    }
    return QString();
}

SKTGraphicList Restore_Snapshot_Objects(const QList<ObjectArchive> &archives)
{
    SKTGraphicList graphics;
    graphics.reserve(archives.size());
    int index = 0;
    for (const ObjectArchive &archive : archives) {
        ++index;
        std::shared_ptr<SKTGraphic> graphic = SKTGraphic::initWithCoder(archive);
        if (!graphic) {
            Show_NSLog_Message(QStringLiteral("Undo: archive %1 (%2) could not be read; the object is left out.")
                                   .arg(index)
                                   .arg(archive.className()));
            continue;
        }
        for (const ObjectArchive::Entry &entry : archive.entries())
            if (entry.kind() == ObjectArchive::Kind::Broken) {
                Show_NSLog_Message(QStringLiteral("Undo: archive %1 (%2) could be read only up to \"%3\".")
                                       .arg(index)
                                       .arg(archive.className(), entry.key));
                break;
            }
        graphics.append(std::move(graphic));
    }
    return graphics;
}

namespace {

SKTGraphicList currentGraphics(const DesignController &design)
{
    const SKTDocument *document = design.sources().host->document();
    return document ? document->graphics() : SKTGraphicList();
}

// A snapshot of the objects, or nothing (logged) when it misses one of them.
std::shared_ptr<DesignSnapshot> completeSnapshot(const UndoStacks &stacks, const SKTGraphicList &graphics)
{
    std::shared_ptr<DesignSnapshot> snapshot;
    try {
        snapshot = stacks.Take_Design_Snapshot ? stacks.Take_Design_Snapshot(graphics)
                                               : std::make_shared<DesignSnapshot>(graphics);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return nullptr;
    }
    if (!snapshot) {
        Show_NSLog_Message(QStringLiteral("Undo: no snapshot of the design could be taken; the step is not recorded."));
        return nullptr;
    }
    const QString fault = Snapshot_Fault(*snapshot, graphics);
    if (!fault.isEmpty()) {
        Show_NSLog_Message(fault);
        return nullptr;
    }
    // A step holds the card's size too, so that Undo takes back a new size as well.
    snapshot->setCardSize(stacks.design.workArea().canvasFrameSize);
    return snapshot;
}

} // namespace

UndoStacks::UndoStacks(DesignController &design) : design(design) {}

// ---- Stacks ----------------------------------------------------------------------------------------

bool UndoStacks::Insert_In_Undo_Stack(const SKTGraphicList &graphics)
{
    std::shared_ptr<DesignSnapshot> snapshot = completeSnapshot(*this, graphics);
    if (!snapshot)
        return false;
    Ucontrol.append(std::move(snapshot));
    design.sources().host->Set_Des_Mode_Save_Flag_TRUE();
    return true;
}

bool UndoStacks::Insert_In_Redo_Stack(const SKTGraphicList &graphics)
{
    std::shared_ptr<DesignSnapshot> snapshot = completeSnapshot(*this, graphics);
    if (!snapshot)
        return false;
    Rcontrol.append(std::move(snapshot));
    return true;
}

bool UndoStacks::Insert_In_Undo_Stack_For_Log(const SKTGraphicList &graphics)
{
    std::shared_ptr<DesignSnapshot> snapshot = completeSnapshot(*this, graphics);
    if (!snapshot)
        return false;
    Ucontrol_Log.append(std::move(snapshot));
    return true;
}

void UndoStacks::Redo_Stack()
{
    Rcontrol.clear();
    design.editing().Enable_Disable_Redo(false);
}

bool UndoStacks::Last_Stack(const QString &stack)
{
    const SKTGraphicList graphics = currentGraphics(design);
    return stack == QLatin1String("U") ? Insert_In_Redo_Stack(graphics) : Insert_In_Undo_Stack(graphics);
}

int UndoStacks::Get_Undo_Count() const { return int(Ucontrol.size()); }

int UndoStacks::Get_Redo_Count() const { return int(Rcontrol.size()); }

void UndoStacks::Undo_Redo_Clear()
{
    Typing_Step_Pending = false;
    Ucontrol.clear();
    Rcontrol.clear();
    design.editing().Enable_Disable_Undo(false);
    design.editing().Enable_Disable_Redo(false);
}

// ---- Steps -----------------------------------------------------------------------------------------

void UndoStacks::Insert_In_Undo_Redo()
{
    // The snapshot first: one that misses an object leaves both stacks as they were.
    std::shared_ptr<DesignSnapshot> snapshot = completeSnapshot(*this, currentGraphics(design));
    if (!snapshot)
        return;
    Redo_Stack();
    Ucontrol.append(std::move(snapshot));
    Typing_Step_Pending = false;   // typing not yet recorded is part of this step
    design.sources().host->Set_Des_Mode_Save_Flag_TRUE();
    design.editing().Check_Undo_Redo_Btn_Enability();
}

void UndoStacks::Record_Typing_Step()
{
    if (!Typing_Step_Pending)
        return;
    Typing_Step_Pending = false;
    Insert_In_Undo_Redo();
}

void UndoStacks::Record_Design_As_Started()
{
    Undo_Redo_Clear();
    Insert_In_Undo_Redo();
    design.editing().Enable_Disable_Undo(false);
    design.editing().Enable_Disable_Redo(false);
    design.sources().host->Set_Des_Mode_Save_Flag_False();
}

void UndoStacks::Fill_Undo_Redo_Control(const DesignSnapshot &snapshot)
{
    SKTDocument *document = design.sources().host->document();
    if (!document)
        return;
    const SKTGraphicList restored = Restore_Snapshot_Objects(snapshot.archives());
    // The document's own undo manager plays no part: registering would keep every replaced design.
    document->Enable_Disable_Undo_Registraion(false);
    QList<int> all(document->graphics().size());
    std::iota(all.begin(), all.end(), 0);
    document->removeGraphicsAtIndexes(all);
    QList<int> indexes(restored.size());
    std::iota(indexes.begin(), indexes.end(), 0);
    document->insertGraphics(restored, indexes);
    document->Enable_Disable_Undo_Registraion(true);
    for (const std::shared_ptr<SKTGraphic> &graphic : restored)
        if (graphic->isExactly<SKTBarcode>())
            graphic->Set_Barcode_image_control_bounds();
    const QSizeF card = snapshot.cardSize();
    if (card.isValid() && card != design.workArea().canvasFrameSize) {
        design.workArea().SetDocumentCanvasSize(card);
        if (design.card().Front_card_Prop)
            design.card().Front_card_Prop->Card_Size = card;
        design.sidebar().Show_Stored_Card_Size(card);
    }
    design.selection()._Selected_Graphic.reset();
    if (design.selection().Canvas_Commands.clearSelection)
        design.selection().Canvas_Commands.clearSelection();
}

void UndoStacks::Undo_Action_Perform()
{
    try {
        Record_Typing_Step();   // Undo first takes back the typing still going on
        if (Ucontrol.size() < 2) {
            design.editing().Check_Undo_Redo_Btn_Enability();
            return;
        }
        // The design as shown goes on the redo stack; a snapshot that misses an object stops here.
        if (!Last_Stack(QStringLiteral("U"))) {
            design.editing().Check_Undo_Redo_Btn_Enability();
            return;
        }
        Ucontrol.removeLast();
        const std::shared_ptr<DesignSnapshot> below = Ucontrol.last();
        Fill_Undo_Redo_Control(*below);
        design.editing().Check_Undo_Redo_Btn_Enability();
        design.workArea().Refresh_Canvas();
        design.sidebar().Show_RHS_Properties(nullptr);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void UndoStacks::Redo_Action_Perform()
{
    try {
        Record_Typing_Step();   // typing after an Undo is a new step, which ends the redo stack
        if (Rcontrol.isEmpty()) {
            design.editing().Check_Undo_Redo_Btn_Enability();
            return;
        }
        const std::shared_ptr<DesignSnapshot> next = Rcontrol.takeLast();
        Fill_Undo_Redo_Control(*next);
        Ucontrol.append(next);
        design.sources().host->Set_Des_Mode_Save_Flag_TRUE();
        design.editing().Check_Undo_Redo_Btn_Enability();
        design.workArea().Refresh_Canvas();
        design.sidebar().Show_RHS_Properties(nullptr);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void UndoStacks::Undo_Clicked()
{
    Undo_Action_Perform();
    design.records().Check_Series_Or_Excel_Use_or_not();
}

void UndoStacks::Redo_Clicked()
{
    Redo_Action_Perform();
    design.records().Check_Series_Or_Excel_Use_or_not();
}
