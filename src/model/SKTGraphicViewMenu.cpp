// The canvas's context menu: the editing commands, the card's properties and one item per object.

#include "model/SKTGraphicView.h"

#include "core/Utilities.h"
#include "model/CanvasHost.h"

#include <QContextMenuEvent>
#include <QHash>
#include <QMenu>

namespace {

// Fixed items before the first "Select" item.
constexpr int Pre_Menu_Items = 6;

QString kindName(const SKTGraphic &g)
{
    switch (g.graphicClass()) {
    case SKTGraphicClass::Text: return QStringLiteral("Text");
    case SKTGraphicClass::Image: return QStringLiteral("Image");
    case SKTGraphicClass::Line: return QStringLiteral("Line");
    case SKTGraphicClass::Signature: return QStringLiteral("Signature");
    case SKTGraphicClass::Barcode: return QStringLiteral("Barcode");
    case SKTGraphicClass::Shape: {
        static const QHash<QString, QString> shapes = {
            {QStringLiteral("R"), QStringLiteral("Rectangle")},  {QStringLiteral("C"), QStringLiteral("Ellipse")},
            {QStringLiteral("RR"), QStringLiteral("Rounded Rectangle")}, {QStringLiteral("T"), QStringLiteral("Triangle")},
            {QStringLiteral("D"), QStringLiteral("Diamond")},     {QStringLiteral("S"), QStringLiteral("Star")},
            {QStringLiteral("DS"), QStringLiteral("Double Star")}, {QStringLiteral("P"), QStringLiteral("Polygon")}};
        return shapes.value(g.Get_shape_type());
    }
    default: return QString();
    }
}

} // namespace

QStringList SKTGraphicView::Context_Menu_Object_Names() const
{
    QStringList names;
    QHash<QString, int> counts;
    for (const auto &g : graphics()) {
        const QString kind = g ? kindName(*g) : QString();
        const int number = ++counts[kind];
        QString name = QStringLiteral("%1 %2").arg(kind).arg(number);
        if (g && g->graphicClass() == SKTGraphicClass::Text) {
            QString text = Trim_Str(g->Text_Value);
            if (!text.isEmpty()) {
                if (text.size() > 50)
                    text = text.left(50) + QStringLiteral("...");
                name = QStringLiteral("Text %1 - %2").arg(number).arg(text);
            }
        }
        names << name;
    }
    return names;
}

QMenu *SKTGraphicView::contextMenu()
{
    auto *menu = new QMenu(QStringLiteral("Contextual Menu"), this);
    auto item = [this, menu](const QString &title, Command command, void (SKTGraphicView::*action)()) {
        QAction *added = menu->addAction(title);
        setItemCommand(added, command);
        connect(added, &QAction::triggered, this, action);
        validateMenuItem(added);
    };
    item(QStringLiteral("Cut"), Command::Cut, &SKTGraphicView::cut);
    item(QStringLiteral("Copy"), Command::Copy, &SKTGraphicView::copy);
    item(QStringLiteral("Paste"), Command::Paste, &SKTGraphicView::paste);
    item(QStringLiteral("Delete"), Command::Delete, &SKTGraphicView::delete_selection);
    QAction *card = menu->addAction(QStringLiteral("Label Properties"));
    connect(card, &QAction::triggered, this, [this] {
        if (m_host)
            m_host->Show_RHS_Properties(nullptr);
    });
    // A plain line; it still holds its place, so the "Select" items start at Pre_Menu_Items.
    menu->addSeparator();
    for (const QString &name : Context_Menu_Object_Names()) {
        QAction *item = menu->addAction(QStringLiteral("Select ") + name);
        connect(item, &QAction::triggered, this, [this, item] { select_Control_from_R_MENU(item); });
    }
    return menu;
}

void SKTGraphicView::select_Control_from_R_MENU(QAction *sender)
{
    if (!sender)
        return;
    Clear_Control_Selection();
    const auto *menu = qobject_cast<QMenu *>(sender->parent());
    if (!menu)
        return;
    const QList<QAction *> items = menu->actions();
    const int at = int(items.indexOf(sender)) - Pre_Menu_Items;
    if (at < 0 || at >= graphics().size())
        return;
    changeSelectionIndexes({at});
    setSelectedGraphic(graphics().at(at));
    if (m_host)
        m_host->Show_RHS_Properties(graphics().at(at).get());
}

void SKTGraphicView::contextMenuEvent(QContextMenuEvent *event)
{
    // The menu takes the pointer: a drag in progress ends where it was.
    endLostTracking();
    QMenu *menu = contextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
