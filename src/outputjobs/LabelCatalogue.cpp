#include "outputjobs/LabelCatalogue.h"

#include "core/Messages.h"
#include "core/Utilities.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <pugixml.hpp>

#include <algorithm>
#include <cmath>
#include <cstring>
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

// How a product is named in a log line.
QString productName(const pugi::xml_node &node, const Product_Details &p)
{
    const QString id = QString::fromUtf8(node.attribute("productID").value());
    return id.isEmpty() ? p.paper_number : id;
}

// Whether the element that starts at node was closed before the parser stopped at faultAt: its
// tags are counted in the raw text (comments, processing instructions, sections and quoted
// attribute values skipped) until its depth is back to zero.
bool closedBefore(const QByteArray &text, const pugi::xml_node &node, qptrdiff faultAt)
{
    const qptrdiff nameAt = node.offset_debug();
    if (nameAt <= 0)
        return false;
    const char *s = text.constData();
    // The parser names the last character it read, which may still close the element.
    const qptrdiff end = std::min<qptrdiff>(faultAt + 1, text.size());
    int depth = 0;
    for (qptrdiff i = nameAt - 1; i < end; ++i) {
        if (s[i] != '<')
            continue;
        auto skipTo = [&](const char *terminator) {
            const qptrdiff found = text.indexOf(terminator, i);
            i = found < 0 ? end : found + qptrdiff(strlen(terminator)) - 1;
        };
        if (text.mid(i, 4) == "<!--") {
            skipTo("-->");
        } else if (text.mid(i, 9) == "<![CDATA[") {
            skipTo("]]>");
        } else if (i + 1 < end && (s[i + 1] == '?' || s[i + 1] == '!')) {
            skipTo(">");
        } else {
            const bool closing = i + 1 < end && s[i + 1] == '/';
            char quote = 0;
            qptrdiff j = i + 1;
            for (; j < end; ++j) {
                if (quote) {
                    if (s[j] == quote)
                        quote = 0;
                } else if (s[j] == '"' || s[j] == '\'') {
                    quote = s[j];
                } else if (s[j] == '>') {
                    break;
                }
            }
            if (j >= end)
                return false;   // the tag itself is cut off
            if (closing)
                --depth;
            else if (s[j - 1] != '/')
                ++depth;
            i = j;
            if (depth == 0)
                return true;
        }
    }
    return false;
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
    const pugi::xml_parse_result parsed = doc.load_buffer(bytes.constData(), size_t(bytes.size()));
    // A file that is not well-formed still lists the products the parser finished before the fault.
    qptrdiff faultAt = -1;
    if (!parsed) {
        faultAt = qptrdiff(parsed.offset);
        Show_NSLog_Message(QStringLiteral("%1: %2 at offset %3")
                               .arg(path, QString::fromUtf8(parsed.description()))
                               .arg(qlonglong(parsed.offset)));
    }
    const bool takeLabelSize = vendor.isEmpty();
    pugi::xpath_node_set hits;
    try {
        hits = doc.select_nodes("//product");
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return read;
    }
    for (const pugi::xpath_node &hit : hits) {
        const pugi::xml_node node = hit.node();
        if (faultAt >= 0 && !closedBefore(bytes, node, faultAt))
            continue;   // the fault falls inside this product: its fields are not all there
        try {
            Product_Details p = readProduct(node, takeLabelSize);
            const QString fault = Product_Fault(p);
            if (!fault.isEmpty()) {
                Show_NSLog_Message(QStringLiteral("%1: product %2 skipped: %3").arg(path, productName(node, p), fault));
                continue;
            }
            const QString number = p.paper_number;
            read.items << (read.items.contains(number) ? number + QStringLiteral(" - ") + p.productID : number);
            read.products.push_back(std::move(p));
        } catch (const std::exception &e) {
            // One broken product is left out; the others are still listed.
            Show_NSLog_Message(QStringLiteral("%1: product %2 skipped: %3")
                                   .arg(path, QString::fromUtf8(node.attribute("productID").value()),
                                        QString::fromUtf8(e.what())));
        }
    }
    return read;
}

QString Product_Fault(const Product_Details &p)
{
    const std::pair<const char *, const QString *> lengths[] = {
        {"paperWidth", &p.paperWidth}, {"paperHeight", &p.paperHeight}, {"labelWidth", &p.labelWidth},
        {"labelHeight", &p.labelHeight}, {"topM", &p.topM}, {"leftM", &p.leftM},
        {"horigap", &p.horigap}, {"vertigap", &p.vertigap}};
    for (const auto &[name, text] : lengths) {
        if (text->isEmpty())
            continue;   // not given: read as 0 where it is used
        bool ok = false;
        const double v = text->trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(v) || v < 0)
            return QStringLiteral("%1 \"%2\" is not a length").arg(QLatin1String(name), *text);
    }
    for (const auto &[name, text] : {std::pair<const char *, const QString *>{"rows", &p.rows}, {"cols", &p.cols}}) {
        if (text->isEmpty())
            continue;
        bool ok = false;
        const int v = text->trimmed().toInt(&ok);
        if (!ok || v < 1)
            return QStringLiteral("%1 \"%2\" is not a whole number of at least 1").arg(QLatin1String(name), *text);
    }
    return QString();
}

QStringList Vendor_Names(const QString &resourcePath)
{
    QStringList names;
    const QDir folder(resourcePath + QStringLiteral("/Formats/pages/"));
    for (const QFileInfo &info : folder.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        if (info.suffix().toLower() == QLatin1String("xml") && !info.completeBaseName().isEmpty())
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

PredefinedLayout Predefined_Layout(const Product_Details &product,
                                   QString (*paperName)(const QString &width, const QString &height))
{
    auto orDefault = [](const QString &text, const char *fallback) {
        return text.isEmpty() ? QString::fromLatin1(fallback) : text;
    };
    const QString paperWidth = orDefault(product.paperWidth, "0");
    const QString paperHeight = orDefault(product.paperHeight, "0");
    const QString labelWidth = orDefault(product.labelWidth, "0");
    const QString labelHeight = orDefault(product.labelHeight, "0");
    PredefinedLayout out;
    out.cols = orDefault(product.cols, "1");
    out.rows = orDefault(product.rows, "1");
    // A label as large as its paper is one label per sheet, whatever the grid says.
    if (paperWidth == labelWidth && paperHeight == labelHeight)
        out.cols = out.rows = QStringLiteral("1");
    out.colsValue = out.cols.toInt();
    out.rowsValue = out.rows.toInt();

    const float divisor = Unit_Divisor(product.Unit);
    auto mm = [divisor](const QString &text) { return double(text.toFloat() / divisor); };
    const double pageW = mm(paperWidth), pageH = mm(paperHeight);
    out.leftMargin = QString::asprintf("%.2f", mm(orDefault(product.leftM, "0")));
    out.topMargin = QString::asprintf("%.2f", mm(orDefault(product.topM, "0")));
    out.horzGap = mm(orDefault(product.horigap, "0"));
    out.vertGap = mm(orDefault(product.vertigap, "0"));
    out.labelWidth = mm(labelWidth);
    out.labelHeight = mm(labelHeight);
    constexpr double PointsPerMM = 2.834645669291;
    out.pageWidthPoints = std::ceil(float(pageW * PointsPerMM));
    out.pageHeightPoints = std::ceil(float(pageH * PointsPerMM));
    out.orientation = pageW > pageH ? QStringLiteral("Landscape") : QStringLiteral("Portrait");
    out.pageWidth = QString::asprintf("%.2f", pageW);
    out.pageHeight = QString::asprintf("%.2f", pageH);
    out.pageSize = QString::asprintf("%.2f x %.2f", pageW, pageH);
    out.paperName = paperName ? paperName(out.pageWidth, out.pageHeight) : QString();
    if (out.paperName.isEmpty())
        out.paperName = QStringLiteral("Custom");
    out.layoutGroup = product.layoutGroup + QStringLiteral(" - ") + product.productID;
    out.description = product.desc_name_val;
    return out;
}

} // namespace labelstock
