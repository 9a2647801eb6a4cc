#include "projects/LabelCatalogue.h"

#include "core/Messages.h"
#include "core/Utilities.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <pugixml.hpp>

#include <algorithm>
#include <exception>
#include <sstream>

namespace labelstock {

namespace {

QString nameOf(const pugi::xml_node &node) { return QString::fromUtf8(node.name()); }

bool nameContains(const pugi::xml_node &node, const char *word)
{
    return node && Find_Str_Case_Insensitive(nameOf(node), QString::fromLatin1(word));
}

// An attribute's text, or a null string when the element lacks it.
QString attribute(const pugi::xml_node &node, const char *name)
{
    const pugi::xml_attribute a = node.attribute(name);
    return a ? QString::fromUtf8(a.value()) : QString();
}

// Upper case with "_" as a space, as the group names are shown.
QString groupName(const QString &text)
{
    if (text.isNull())
        return text;
    return text.toUpper().replace(QLatin1Char('_'), QLatin1Char(' '));
}

// The text of a node and all its descendants.
QString stringValue(const pugi::xml_node &node)
{
    QString out;
    for (pugi::xml_node n = node.first_child(); n; n = n.next_sibling()) {
        if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata)
            out += QString::fromUtf8(n.value());
        else if (n.type() == pugi::node_element)
            out += stringValue(n);
    }
    return out;
}

// The node after this one in document order: its first child, else the next sibling of it or of
// the nearest ancestor that has one.
pugi::xml_node nextInDocument(const pugi::xml_node &node)
{
    if (pugi::xml_node child = node.first_child())
        return child;
    for (pugi::xml_node n = node; n; n = n.parent())
        if (pugi::xml_node sibling = n.next_sibling())
            return sibling;
    return {};
}

// A child that carries locale="all", recognised on its serialized text as the catalogues write it.
bool isLocaleAll(const pugi::xml_node &node)
{
    std::ostringstream out;
    node.print(out, "", pugi::format_raw);
    return QString::fromStdString(out.str()).contains(QLatin1String("locale=\"all"), Qt::CaseInsensitive);
}

pugi::xml_node firstLocaleAllChild(const pugi::xml_node &node)
{
    for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element && isLocaleAll(c))
            return c;
    return {};
}

int elementChildCount(const pugi::xml_node &node)
{
    int n = 0;
    for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element)
            ++n;
    return n;
}

bool isEmpty(const QString &s) { return s.isEmpty(); }   // unset and empty read alike

void takeSheetGrid(Product_Details &p, const pugi::xml_node &grid, bool takeLabelSize)
{
    if (takeLabelSize) {
        p.labelHeight = attribute(grid, "cellHeight");
        p.labelWidth = attribute(grid, "cellWidth");
    }
    p.rows = attribute(grid, "numDown");
    p.cols = attribute(grid, "numAcross");
    p.topM = attribute(grid, "posY");
    p.leftM = attribute(grid, "posX");
    p.horigap = attribute(grid, "horizGap");
    p.vertigap = attribute(grid, "vertGap");
}

Product_Details readProduct(const pugi::xml_node &product, bool takeLabelSize)
{
    Product_Details p;
    for (QString *f : {&p.Unit, &p.paper_number, &p.paperWidth, &p.paperHeight, &p.labelHeight, &p.labelWidth,
                       &p.rows, &p.cols, &p.topM, &p.leftM, &p.horigap, &p.vertigap, &p.productID, &p.layoutGroup,
                       &p.Prod_name_group, &p.desc_name_group, &p.desc_name_val, &p.master_id, &p.master_height,
                       &p.master_width, &p.master_shape, &p.master_bottomMargin, &p.master_leftMargin,
                       &p.master_rightMargin, &p.master_topMargin, &p.master_centerContent, &p.manual_paper_name})
        *f = QStringLiteral("");
    p.productID = attribute(product, "productID");
    p.layoutGroup = groupName(attribute(product, "layoutGroup"));
    p.Unit = attribute(product, "units");

    QString candidate;
    for (pugi::xml_node child = product.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element)
            continue;
        const pugi::xml_node next = nextInDocument(child);
        if (nameContains(next, "locName")) {
            candidate = stringValue(next);
            if (nameContains(child, "prodname") && elementChildCount(child) >= 2)
                if (const pugi::xml_node all = firstLocaleAllChild(child))
                    candidate = stringValue(all);
        }

        if (nameContains(child, "prodname")) {
            p.Prod_name_group = attribute(child, "nameGroup");
        } else if (nameContains(child, "desc")) {
            p.desc_name_group = groupName(attribute(child, "descGroup"));
            if (const pugi::xml_node all = firstLocaleAllChild(child))
                p.desc_name_val = stringValue(all);
            if (isEmpty(p.desc_name_val))
                p.desc_name_val = p.desc_name_group;
        } else if (nameContains(child, "masterPanel")) {
            p.master_id = attribute(child, "masterID");
            p.master_height = attribute(child, "height");
            p.master_width = attribute(child, "width");
            p.master_shape = attribute(child, "shape");
            p.master_bottomMargin = attribute(child, "bottomMargin");
            p.master_leftMargin = attribute(child, "leftMargin");
            p.master_rightMargin = attribute(child, "rightMargin");
            p.master_topMargin = attribute(child, "topMargin");
            p.master_centerContent = attribute(child, "centerContent");
            if (takeLabelSize) {
                p.labelHeight = p.master_height;
                p.labelWidth = p.master_width;
            }
        } else if (nameContains(child, "sheetGrid")) {
            takeSheetGrid(p, child, takeLabelSize);
        } else if (nameContains(child, "sheet")) {
            p.paperHeight = attribute(child, "height");
            p.paperWidth = attribute(child, "width");
            if (isEmpty(p.topM) && isEmpty(p.leftM)) {
                const pugi::xml_node after = nextInDocument(child);
                if (nameContains(after, "panel")) {
                    p.topM = attribute(after, "posY");
                    p.leftM = attribute(after, "posX");
                }
                if (nameContains(after, "sheetGrid")) {
                    // Only the lengths the grid gives replace the label size.
                    if (takeLabelSize) {
                        if (after.attribute("cellHeight"))
                            p.labelHeight = attribute(after, "cellHeight");
                        if (after.attribute("cellWidth"))
                            p.labelWidth = attribute(after, "cellWidth");
                    }
                    takeSheetGrid(p, after, false);
                }
            }
        }
    }

    if (isEmpty(candidate)) {
        // A product without a name is listed under its description group and identifier.
        p.paper_number = (p.desc_name_group.isNull() ? QStringLiteral("") : p.desc_name_group) +
                         QStringLiteral(" - ") + (p.productID.isNull() ? QStringLiteral("") : p.productID);
        p.manual_paper_name = QStringLiteral("1");
    } else {
        p.paper_number = candidate;
        p.manual_paper_name = QStringLiteral("");
    }
    if (isEmpty(p.paperHeight) && isEmpty(p.paperWidth)) {
        p.paperHeight = p.master_height;
        p.paperWidth = p.master_width;
    }
    return p;
}

} // namespace

CatalogueRead Read_Catalogue(const QString &path, const QString &vendor, const QStringList &items)
{
    CatalogueRead read;
    read.items = items;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return read;
    const QByteArray bytes = file.readAll();
    pugi::xml_document doc;
    if (!doc.load_buffer(bytes.constData(), size_t(bytes.size())))
        return read;   // a malformed catalogue lists nothing, and says nothing
    try {
        const bool takeLabelSize = vendor.isEmpty();
        for (const pugi::xpath_node &hit : doc.select_nodes("//product")) {
            Product_Details p = readProduct(hit.node(), takeLabelSize);
            const QString number = p.paper_number;
            read.items << (read.items.contains(number) ? number + QStringLiteral(" - ") + p.productID : number);
            read.products.push_back(std::move(p));
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    return read;
}

QStringList Vendor_Names(const QString &resourcePath)
{
    QStringList names;
    const QDir folder(resourcePath + QStringLiteral("/Formats/pages/"));
    for (const QFileInfo &info : folder.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        if (info.suffix().toLower() == QLatin1String("xml"))
            names << info.completeBaseName();
    std::sort(names.begin(), names.end());
    names.prepend(QStringLiteral("Custom"));
    return names;
}

QString Catalogue_Path(const QString &resourcePath, const QString &vendor)
{
    const QString folder = resourcePath + QStringLiteral("/Formats/pages/");
    const QString path = folder + vendor + QStringLiteral(".xml");
    if (QFileInfo::exists(path))
        return path;
    // The vendor list accepts the extension in any case.
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        if (info.completeBaseName() == vendor && info.suffix().toLower() == QLatin1String("xml"))
            return info.absoluteFilePath();
    return path;
}

float Unit_Divisor(const QString &unit)
{
    const QString u = Trim_Str(unit).toLower();
    if (u == QLatin1String("emu"))
        return 36000.0f;
    if (u == QLatin1String("mm"))
        return 1.0f;
    if (u == QLatin1String("in"))
        return 0.0393701f;
    if (u == QLatin1String("cm"))
        return 0.1f;
    return 1.0f;
}

QSizeF Label_Size_MM(const Product_Details &product)
{
    auto length = [](const QString &text) { return text.isEmpty() ? 0.0f : text.toFloat(); };
    const float divisor = Unit_Divisor(product.Unit);
    return QSizeF(length(product.labelWidth) / divisor, length(product.labelHeight) / divisor);
}

} // namespace labelstock
