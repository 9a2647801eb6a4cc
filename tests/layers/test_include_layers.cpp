// The layers of the source tree depend only downwards: platform <- core and engines <- io and model
// <- the subsystem parts <- app (the hub). Between the window folders (the parts and the hub) only
// the headers of window_includes.txt pass: the hub's interface and the narrow interfaces across; the
// widget-free libraries include no Qt Widgets header and no form. Every folder of src/ has a row in the
// table, so a new folder cannot slip by unchecked. A file that includes a header of a folder it may
// not use, quoted or in angle brackets, fails here, naming the file and the line.

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <utility>

namespace {

const QString kSourceRoot = QStringLiteral(TAGORA_TEST_SOURCE_DIR "/../src");

// What the files of one folder may include: project headers of the allowed folders ("folder/..."),
// and the listed headers besides; with noWidgets, no Qt Widgets header and no form (ui_*.h).
struct Layer {
    QString folder;
    QStringList allowed;
    QStringList headers = {};
    bool noWidgets = false;
};

const QStringList kParts = {QStringLiteral("advqr"), QStringLiteral("barcodemode"), QStringLiteral("data"),
                            QStringLiteral("design"), QStringLiteral("imagetools"), QStringLiteral("output"),
                            QStringLiteral("projects")};
const QString kWindowIncludes = QStringLiteral(TAGORA_TEST_SOURCE_DIR "/layers/window_includes.txt");

// The headers each window folder may include from another window folder: the hub's interface up,
// the narrow interfaces across. Read from the list beside this test.
QMap<QString, QStringList> windowIncludes()
{
    QMap<QString, QStringList> out;
    QFile f(kWindowIncludes);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return out;
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine()).trimmed();
        const QStringList row = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (row.size() >= 2 && !line.startsWith(QLatin1Char('#')))
            out[row[0]] << row.mid(1);
    }
    return out;
}

QList<Layer> makeLayers()
{
    const QString platform = QStringLiteral("platform"), core = QStringLiteral("core"),
                  engines = QStringLiteral("engines"), io = QStringLiteral("io"), model = QStringLiteral("model"),
                  imaging = QStringLiteral("imaging"), outputjobs = QStringLiteral("outputjobs"),
                  app = QStringLiteral("app");
    QList<Layer> l = {
        {platform, {platform}},
        {core, {platform, core}},
        {engines, {platform, engines}, {}, true},
        {io, {platform, core, io}, {}, true},
        {imaging, {platform, core, imaging}, {}, true},
        {outputjobs, {platform, core, outputjobs}, {}, true},
        {model, {platform, core, engines, model}},
    };
    const QMap<QString, QStringList> across = windowIncludes();
    for (const QString &window : QStringList{app} + kParts)
        l.append({window, QStringList{platform, core, engines, io, imaging, outputjobs, model, window}, across.value(window)});
    return l;
}

const QList<Layer> &layers()
{
    static const QList<Layer> l = makeLayers();
    return l;
}

struct Include {
    int line = 0;
    QString header;
    bool system = false;   // <...> of a library
};

// The folders of the source tree: an include in angle brackets that starts with one of them is a
// header of ours, found from the root as a quoted one is.
const QStringList &sourceFolders()
{
    static const QStringList folders = QDir(kSourceRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return folders;
}

// The file the compiler finds for an include from the root of the tree (the build searches src/),
// named from the root ("design/DesignController.h") however it was written, ".." and all; "" when
// there is none there.
QString fromRoot(const QString &root, const QString &header)
{
    const QString named = QDir(root).relativeFilePath(QDir::cleanPath(root + QLatin1Char('/') + header));
    return QFileInfo::exists(root + QLatin1Char('/') + named) && !named.startsWith(QStringLiteral("..")) ? named : QString();
}

// Where the compiler finds a quoted include: beside the including file first, then from the root.
QString resolved(const QString &root, const QString &path, const QString &header)
{
    const QString beside = fromRoot(root, QDir(root).relativeFilePath(QFileInfo(path).absolutePath()) + QLatin1Char('/') + header);
    const QString found = beside.isEmpty() ? fromRoot(root, header) : beside;
    return found.isEmpty() ? QDir::cleanPath(header) : found;
}

// Every header a file under root includes, with its line number.
QList<Include> includesOf(const QString &root, const QString &path)
{
    QList<Include> out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return out;
    static const QRegularExpression include(QStringLiteral(R"re(^\s*#\s*include\s*(?:"([^"]+)"|<([^>]+)>))re"));
    int line = 0;
    while (!f.atEnd()) {
        ++line;
        const QString text = QString::fromUtf8(f.readLine());
        const QRegularExpressionMatch m = include.match(text);
        if (!m.hasMatch())
            continue;
        if (m.hasCaptured(1)) {
            out.append(Include{line, resolved(root, path, m.captured(1)), false});
            continue;
        }
        // A file the compiler finds under the root is ours; so is a name in one of our folders.
        const QString found = fromRoot(root, m.captured(2));
        const QString header = found.isEmpty() ? QDir::cleanPath(m.captured(2)) : found;
        const qsizetype slash = header.indexOf(QLatin1Char('/'));
        const bool ours = !found.isEmpty() || (slash > 0 && sourceFolders().contains(header.left(slash)));
        out.append(ours ? Include{line, header, false} : Include{line, m.captured(2), true});
    }
    return out;
}

// The names of the Qt Widgets and Print Support headers ("QWidget", "qdialog.h").
const QSet<QString> &widgetHeaders()
{
    static const QSet<QString> names = [] {
        QSet<QString> out;
        const QString headers = QLibraryInfo::path(QLibraryInfo::HeadersPath);
        for (const QString &module : {QStringLiteral("QtWidgets"), QStringLiteral("QtPrintSupport")})
            for (const QString &name : QDir(headers + QLatin1Char('/') + module).entryList(QDir::Files))
                out.insert(name);
        return out;
    }();
    return names;
}

bool isWidgetHeader(const Include &inc)
{
    const QString name = inc.header.section(QLatin1Char('/'), -1);
    if (!inc.system)
        return name.startsWith(QStringLiteral("ui_"));   // a form
    return inc.header.startsWith(QStringLiteral("QtWidgets/")) || inc.header.startsWith(QStringLiteral("QtPrintSupport/"))
           || (!inc.header.contains(QLatin1Char('/')) && widgetHeaders().contains(name));
}

// The violations of one layer's folder under root, one line each.
QStringList violations(const QString &root, const Layer &layer)
{
    QStringList found;
    QDirIterator it(root + QLatin1Char('/') + layer.folder, {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString where = QDir(root).relativeFilePath(path);
        for (const Include &inc : includesOf(root, path)) {
            if (layer.noWidgets && isWidgetHeader(inc)) {
                found << QStringLiteral("%1:%2 includes widgets: %3").arg(where).arg(inc.line).arg(inc.header);
                continue;
            }
            const int slash = int(inc.header.indexOf(QLatin1Char('/')));
            if (inc.system || slash < 0)
                continue;   // a library header, one beside the file, or a form
            if (!layer.allowed.contains(inc.header.left(slash)) && !layer.headers.contains(inc.header))
                found << QStringLiteral("%1:%2 includes %3").arg(where).arg(inc.line).arg(inc.header);
        }
    }
    return found;
}

// The classes a header's text declares with a base, and the names of their bases ("QDialog" ->
// {"QWidget"}), comments left out.
QList<std::pair<QString, QStringList>> classesIn(QString text)
{
    static const QRegularExpression comments(QStringLiteral(R"re(//[^\n]*|/\*.*?\*/)re"),
                                             QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression declaration(
        QStringLiteral(R"re(\b(?:class|struct)\s+(?:[A-Z][A-Z0-9_]*\s+)*(\w+)\s*(?:final\s*)?:(?!:)([^{;]*)\{)re"));
    static const QRegularExpression access(QStringLiteral(R"re(\b(?:public|protected|private|virtual)\b)re"));
    QList<std::pair<QString, QStringList>> out;
    for (auto it = declaration.globalMatch(text.remove(comments)); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QStringList bases;
        for (QString base : m.captured(2).split(QLatin1Char(',')))
            bases << base.remove(access).section(QLatin1Char('<'), 0, 0).section(QStringLiteral("::"), -1).trimmed();
        out.append({m.captured(1), bases});
    }
    return out;
}

QString textOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The QObject classes, widgets among them, that Qt's headers and the tree under root declare: a
// class of ours that derives from a widget counts as well as one of Qt's.
QSet<QString> qobjectClasses(const QString &root)
{
    QMap<QString, QStringList> bases;
    const QString qt = QLibraryInfo::path(QLibraryInfo::HeadersPath);
    for (const QString &folder : {qt + QStringLiteral("/QtCore"), qt + QStringLiteral("/QtGui"), qt + QStringLiteral("/QtWidgets"),
                                  qt + QStringLiteral("/QtPrintSupport"), root})
        for (QDirIterator it(folder, {QStringLiteral("*.h")}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            for (const auto &[name, its] : classesIn(textOf(it.next())))
                bases[name] << its;
    QSet<QString> out{QStringLiteral("QObject")};
    for (qsizetype before = -1; before != out.size();) {
        before = out.size();
        for (auto it = bases.begin(); it != bases.end(); ++it)
            if (std::any_of(it->begin(), it->end(), [&out](const QString &base) { return out.contains(base); }))
                out.insert(it.key());
    }
    return out;
}

// What a header the list names for a part includes of its own folder comes along into that part,
// so it must be listed too, or an interface or a value: no QObject class (with or without the
// macro), no widget header nor form, and of its own folder only such headers. One line per include
// that is neither.
QStringList leaks(const QString &root, const QMap<QString, QStringList> &across)
{
    const QSet<QString> qobjects = qobjectClasses(root);
    const auto isQObject = [&qobjects](const std::pair<QString, QStringList> &c) {
        return std::any_of(c.second.begin(), c.second.end(), [&qobjects](const QString &base) { return qobjects.contains(base); });
    };
    QStringList queue, found;
    for (auto it = across.begin(); it != across.end(); ++it)
        queue << (it.key() == QLatin1String("app") ? QStringList() : it.value());
    queue.sort();
    for (QSet<QString> known(queue.begin(), queue.end()); !queue.isEmpty();) {   // listed, or seen
        const QString header = queue.takeFirst();
        const QString folder = header.section(QLatin1Char('/'), 0, 0) + QLatin1Char('/');
        for (const Include &inc : includesOf(root, root + QLatin1Char('/') + header)) {
            if (inc.system || !inc.header.startsWith(folder) || known.contains(inc.header))
                continue;
            known.insert(inc.header);
            const QString path = root + QLatin1Char('/') + inc.header;
            const QString text = textOf(path);
            const QList<Include> its = includesOf(root, path);
            const QList<std::pair<QString, QStringList>> classes = classesIn(text);
            if (text.contains(QStringLiteral("Q_OBJECT")) || std::any_of(classes.begin(), classes.end(), isQObject)
                || std::any_of(its.begin(), its.end(), isWidgetHeader))
                found << QStringLiteral("%1:%2 includes %3, neither an interface nor a value").arg(header).arg(inc.line).arg(inc.header);
            else
                queue << inc.header;
        }
    }
    return found;
}

// The folders under root without a row, and the rows without a folder.
QStringList uncovered(const QString &root, const QList<Layer> &table)
{
    QStringList rows;
    for (const Layer &layer : table)
        rows << layer.folder;
    QStringList found;
    const QStringList folders = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &folder : folders)
        if (!rows.contains(folder))
            found << QStringLiteral("src/%1 has no row").arg(folder);
    for (const QString &row : rows)
        if (!folders.contains(row))
            found << QStringLiteral("the row %1 has no folder").arg(row);
    return found;
}

void write(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(text);
}

const Layer &layerOf(const QString &folder)
{
    for (const Layer &layer : layers())
        if (layer.folder == folder)
            return layer;
    static const Layer none;
    ADD_FAILURE() << "no row " << folder.toStdString();
    return none;
}

} // namespace

TEST(IncludeLayers, EveryFolderOfTheSourceTreeHasARow)
{
    ASSERT_TRUE(QDir(kSourceRoot + QStringLiteral("/io")).exists()) << kSourceRoot.toStdString();
    const QStringList found = uncovered(kSourceRoot, layers());
    EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
}

TEST(IncludeLayers, NoFolderIncludesAboveItsLayer)
{
    ASSERT_TRUE(widgetHeaders().contains(QStringLiteral("QWidget")))
        << "no Qt Widgets headers under " << QLibraryInfo::path(QLibraryInfo::HeadersPath).toStdString();
    for (const Layer &layer : layers()) {
        const QStringList found = violations(kSourceRoot, layer);
        EXPECT_TRUE(found.isEmpty()) << layer.folder.toStdString() << ":\n" << found.join(QLatin1Char('\n')).toStdString();
    }
}

TEST(IncludeLayers, TheCheckSeesEachKindOfUpwardInclude)
{
    // A tree of one file per case under the real table: what each file reports.
    struct Case {
        const char *folder;
        const char *text;
        const char *reported;   // "" for nothing
    };
    const Case cases[] = {
        {"platform", "#include \"core/Globals.h\"\n", "platform/probe.cpp:1 includes core/Globals.h"},
        {"core", "// text\n  #  include \"io/SeriesStore.h\"\n", "core/probe.cpp:2 includes io/SeriesStore.h"},
        {"model", "#include \"io/XmlStream.h\"\n", "model/probe.cpp:1 includes io/XmlStream.h"},
        {"io", "#include \"model/SKTGraphic.h\"\n", "io/probe.cpp:1 includes model/SKTGraphic.h"},
        {"io", "#include <model/../model/SKTGraphic.h>\n", "io/probe.cpp:1 includes model/SKTGraphic.h"},
        {"io", "#include \"data/View_Data_Series.h\"\n", "io/probe.cpp:1 includes data/View_Data_Series.h"},
        {"io", "#include \"engines/qr/QREncoder.h\"\n", "io/probe.cpp:1 includes engines/qr/QREncoder.h"},
        {"io", "#include <QString>\n#include <QWidget>\n", "io/probe.cpp:2 includes widgets: QWidget"},
        {"io", "#include <QtWidgets/QLabel>\n", "io/probe.cpp:1 includes widgets: QtWidgets/QLabel"},
        {"io", "#include \"ui_Form.h\"\n", "io/probe.cpp:1 includes widgets: ui_Form.h"},
        {"io", "#include \"core/Messages.h\"\n#include <pugixml.hpp>\n", ""},
        {"data", "#include \"app/PDF_Help.h\"\n", "data/probe.cpp:1 includes app/PDF_Help.h"},
        {"data", "#include \"app/PleaseWaitGuard.h\"\n#include \"io/SeriesStore.h\"\n#include \"ui_F.h\"\n", ""},
        {"data", "#include \"app/SKTWindowController.h\"\n", "data/probe.cpp:1 includes app/SKTWindowController.h"},
        {"output", "#include \"design/DesignController.h\"\n", "output/probe.cpp:1 includes design/DesignController.h"},
        {"output", "#include <design/DesignController.h>\n", "output/probe.cpp:1 includes design/DesignController.h"},
        {"output", "#include <../src/design/DesignController.h>\n", "output/probe.cpp:1 includes design/DesignController.h"},
        {"output", "#include \"../src/design/DesignController.h\"\n", "output/probe.cpp:1 includes design/DesignController.h"},
        {"design", "#include <../src/design/DesignController.h>\n", ""},
        {"imagetools", "#include \"app/BannerView.h\"\n", "imagetools/probe.cpp:1 includes app/BannerView.h"},
        {"imagetools", "#include \"tools/Thing.h\"\n", "imagetools/probe.cpp:1 includes tools/Thing.h"},
        {"design", "#include \"app/DesignHost.h\"\n#include \"barcodemode/BarcodeModeDesign.h\"\n", ""},
        {"design", "#include \"barcodemode/Barcode_Gen.h\"\n", "design/probe.cpp:1 includes barcodemode/Barcode_Gen.h"},
    };
    for (const Case &c : cases) {
        QTemporaryDir tree;
        ASSERT_TRUE(tree.isValid());
        // The root named as the real one, so that "../src/..." finds the header planted there.
        const QDir root(tree.filePath(QStringLiteral("src")));
        const QString folder = QString::fromLatin1(c.folder);
        write(root.filePath(folder + QStringLiteral("/probe.cpp")), c.text);
        write(root.filePath(QStringLiteral("design/DesignController.h")), "");
        const QStringList found = violations(root.path(), layerOf(folder));
        EXPECT_EQ(found.join(QLatin1Char('\n')).toStdString(), std::string(c.reported)) << c.folder << ": " << c.text;
    }
}

TEST(IncludeLayers, AFolderWithoutARowFails)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    for (const Layer &layer : layers())
        ASSERT_TRUE(QDir(root.path()).mkdir(layer.folder));
    EXPECT_EQ(uncovered(root.path(), layers()), QStringList());
    ASSERT_TRUE(QDir(root.path()).mkdir(QStringLiteral("newpart")));
    ASSERT_TRUE(QDir(root.path()).rmdir(QStringLiteral("imagetools")));
    EXPECT_EQ(uncovered(root.path(), layers()),
              QStringList({QStringLiteral("src/newpart has no row"), QStringLiteral("the row imagetools has no folder")}));
}

// A header no file of the folder uses widens the list for nothing: it fails, so the list stays
// what the tree does.
TEST(IncludeLayers, EveryRowOfTheWindowListIsUsed)
{
    const QMap<QString, QStringList> across = windowIncludes();
    ASSERT_FALSE(across.isEmpty()) << kWindowIncludes.toStdString();
    QStringList unused;
    for (auto it = across.begin(); it != across.end(); ++it) {
        QSet<QString> used;
        QDirIterator files(kSourceRoot + QLatin1Char('/') + it.key(), {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                           QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext())
            for (const Include &inc : includesOf(kSourceRoot, files.next()))
                used.insert(inc.header);
        for (const QString &header : it.value())
            if (!used.contains(header))
                unused << it.key() + QLatin1Char(' ') + header;
    }
    EXPECT_TRUE(unused.isEmpty()) << unused.join(QLatin1Char('\n')).toStdString();
}

TEST(IncludeLayers, AListedHeaderBringsAlongOnlyInterfacesAndValues)
{
    const QStringList real = leaks(kSourceRoot, windowIncludes());
    EXPECT_TRUE(real.isEmpty()) << real.join(QLatin1Char('\n')).toStdString();
    // output may include design/DesignOutput.h, which includes design/X.h with this text: a class of
    // ours derived from a widget is a widget too, and a header beside its includer is found there.
    const struct { const char *text, *reported; } cases[] = {
        {"#include <QColor>\n#include \"core/Globals.h\"\nstruct X {};\n", ""},
        {"#include \"design/DesignOutput.h\"\n", ""},
        {"class X : public QObject {\n    Q_OBJECT\n};\n", "design/DesignOutput.h:1 includes design/X.h"},
        {"#include <QLabel>\n", "design/DesignOutput.h:1 includes design/X.h"},
        {"#include \"design/DesignController.h\"\n", "design/X.h:1 includes design/DesignController.h"},
        {"#include \"DesignController.h\"\n", "design/X.h:1 includes design/DesignController.h"},
        {"#include <design/DesignController.h>\n", "design/X.h:1 includes design/DesignController.h"},
        {"#include <QObject>\nclass X : public QObject {\n};\n", "design/DesignOutput.h:1 includes design/X.h"},
        {"#include \"platform/Panel.h\"\nstruct X final : Panel {};\n", "design/DesignOutput.h:1 includes design/X.h"},
    };
    for (const auto &c : cases) {
        QTemporaryDir root;
        ASSERT_TRUE(root.isValid());
        write(root.filePath(QStringLiteral("design/DesignOutput.h")), "#include \"design/X.h\"\n");
        write(root.filePath(QStringLiteral("design/X.h")), c.text);
        write(root.filePath(QStringLiteral("design/DesignController.h")), "class D : public QObject { Q_OBJECT };\n");
        write(root.filePath(QStringLiteral("platform/Panel.h")), "#include <QDialog>\nclass Panel : public QDialog {};\n");
        const QStringList found = leaks(root.path(), {{QStringLiteral("output"), {QStringLiteral("design/DesignOutput.h")}}});
        EXPECT_EQ(found.join(QLatin1Char('\n')).section(QLatin1Char(','), 0, 0), QString::fromLatin1(c.reported)) << c.text;
    }
}
