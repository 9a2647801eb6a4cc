// The generation core and the batch snapshot run on worker threads: nothing they include, directly
// or through other project headers, may be a widget header or reach a controller or the editor
// that reads the controls.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

namespace {

const QString kSourceRoot = QStringLiteral(TAGORA_TEST_SOURCE_DIR "/../src");

// The files of the road every batch picture takes.
const QStringList kCoreFiles = {
    QStringLiteral("barcodemode/GenerationSnapshot.h"), QStringLiteral("barcodemode/GenerationCore.h"),
    QStringLiteral("barcodemode/GenerationCore.cpp"),   QStringLiteral("barcodemode/BatchSnapshot.h"),
    QStringLiteral("barcodemode/BatchSnapshot.cpp"),    QStringLiteral("barcodemode/PrintGrid.h"),
    QStringLiteral("barcodemode/PrintGrid.cpp"),
};

struct Include {
    bool system = false;
    QString name;
};

QList<Include> includesOf(const QString &path)
{
    QList<Include> out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return out;
    static const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])"));
    while (!f.atEnd()) {
        const QRegularExpressionMatch m = include.match(QString::fromUtf8(f.readLine()));
        if (m.hasMatch())
            out.append({m.captured(1) == QLatin1String("<"), m.captured(2)});
    }
    return out;
}

// The Qt Widgets module's class headers, as installed.
QSet<QString> widgetHeaders()
{
    QSet<QString> names;
    const QDir dir(QLibraryInfo::path(QLibraryInfo::HeadersPath) + QStringLiteral("/QtWidgets"));
    for (const QString &entry : dir.entryList(QDir::Files))
        names.insert(entry);
    return names;
}

bool reachesTheWindow(const QString &header)
{
    return header.startsWith(QLatin1String("app/")) || header.endsWith(QLatin1String("Controller.h")) ||
           header.startsWith(QLatin1String("barcodemode/BarcodeEditor")) ||
           header.startsWith(QLatin1String("barcodemode/EditorMembers")) || header.startsWith(QLatin1String("ui_"));
}

// Every project file the core files pull in: the headers, and beside each barcode-mode header
// its own source, whose code the road runs too.
QStringList closure(QStringList *problems)
{
    const QSet<QString> widgets = widgetHeaders();
    QStringList queue = kCoreFiles;
    QSet<QString> seen;
    while (!queue.isEmpty()) {
        const QString file = queue.takeFirst();
        if (seen.contains(file))
            continue;
        seen.insert(file);
        for (const Include &inc : includesOf(kSourceRoot + QLatin1Char('/') + file)) {
            if (inc.system) {
                const QString base = inc.name.section(QLatin1Char('/'), -1);
                if (inc.name.startsWith(QLatin1String("QtWidgets")) || widgets.contains(base))
                    *problems << file + QStringLiteral(" includes <") + inc.name + QLatin1Char('>');
                continue;
            }
            if (reachesTheWindow(inc.name)) {
                *problems << file + QStringLiteral(" includes \"") + inc.name + QLatin1Char('"');
                continue;
            }
            if (!QFileInfo::exists(kSourceRoot + QLatin1Char('/') + inc.name))
                continue;
            queue << inc.name;
            if (inc.name.startsWith(QLatin1String("barcodemode/")) && inc.name.endsWith(QLatin1String(".h"))) {
                const QString source = inc.name.chopped(2) + QStringLiteral(".cpp");
                if (QFileInfo::exists(kSourceRoot + QLatin1Char('/') + source))
                    queue << source;
            }
        }
    }
    return QStringList(seen.cbegin(), seen.cend());
}

} // namespace

TEST(GenerationCoreIncludes, NoWidgetAndNoControllerOnTheRoadOfABatchPicture)
{
    ASSERT_FALSE(widgetHeaders().isEmpty());
    ASSERT_TRUE(widgetHeaders().contains(QStringLiteral("QLineEdit")));
    QStringList problems;
    const QStringList files = closure(&problems);
    // The scan did follow the road into the 2D drawing and the size rules.
    EXPECT_TRUE(files.contains(QStringLiteral("barcodemode/TwoDSymbols.cpp")));
    EXPECT_TRUE(files.contains(QStringLiteral("barcodemode/pdf417View.cpp")));
    EXPECT_TRUE(files.contains(QStringLiteral("barcodemode/BarcodeSizeRules.h")));
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}

TEST(GenerationCoreIncludes, TheScanSeesAWidgetOrAControllerInclude)
{
    EXPECT_TRUE(reachesTheWindow(QStringLiteral("barcodemode/BarcodeModeController.h")));
    EXPECT_TRUE(reachesTheWindow(QStringLiteral("barcodemode/BarcodeEditor.h")));
    EXPECT_TRUE(reachesTheWindow(QStringLiteral("app/SKTWindowController.h")));
    EXPECT_FALSE(reachesTheWindow(QStringLiteral("barcodemode/TwoDSymbols.h")));
    EXPECT_TRUE(widgetHeaders().contains(QStringLiteral("QComboBox")));
    EXPECT_FALSE(widgetHeaders().contains(QStringLiteral("QImage")));
}
