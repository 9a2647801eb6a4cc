// The layers of the source tree depend only downwards: platform <- core and engines <- model <- the
// window (the hub in app and one controller per subsystem). A lower layer that includes a header of
// a higher one fails here, naming the file and the line.

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

namespace {

const QString kSourceRoot = QStringLiteral(TAGORA_TEST_SOURCE_DIR "/../src");

// The folders each layer may include from ("" is a system or library header).
struct Layer {
    QString folder;
    QStringList allowed;
};

const QList<Layer> &layers()
{
    static const QList<Layer> l = {
        {QStringLiteral("platform"), {QStringLiteral("platform")}},
        {QStringLiteral("core"), {QStringLiteral("platform"), QStringLiteral("core")}},
        {QStringLiteral("engines"), {QStringLiteral("platform"), QStringLiteral("engines")}},
        {QStringLiteral("model"),
         {QStringLiteral("platform"), QStringLiteral("core"), QStringLiteral("engines"), QStringLiteral("model")}},
    };
    return l;
}

// Every project header a file includes ("folder/..." form), with its line number.
QList<QPair<int, QString>> projectIncludes(const QString &path)
{
    QList<QPair<int, QString>> out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return out;
    static const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s*"([^"]+)\")"));
    int line = 0;
    while (!f.atEnd()) {
        ++line;
        const QString text = QString::fromUtf8(f.readLine());
        const QRegularExpressionMatch m = include.match(text);
        if (m.hasMatch())
            out.append({line, m.captured(1)});
    }
    return out;
}

// The violations of one layer's folder, one line each.
QStringList violations(const Layer &layer)
{
    QStringList found;
    QDirIterator it(kSourceRoot + QLatin1Char('/') + layer.folder, {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        for (const auto &[line, header] : projectIncludes(path)) {
            const int slash = int(header.indexOf(QLatin1Char('/')));
            if (slash < 0)
                continue;   // a header beside the file, or generated (ui_Foo.h)
            if (!layer.allowed.contains(header.left(slash)))
                found << QStringLiteral("%1:%2 includes %3").arg(QDir(kSourceRoot).relativeFilePath(path)).arg(line).arg(header);
        }
    }
    return found;
}

} // namespace

TEST(IncludeLayers, LowerLayersNeverIncludeHigherOnes)
{
    ASSERT_TRUE(QDir(kSourceRoot + QStringLiteral("/engines")).exists()) << kSourceRoot.toStdString();
    for (const Layer &layer : layers()) {
        const QStringList found = violations(layer);
        EXPECT_TRUE(found.isEmpty()) << layer.folder.toStdString() << ":\n" << found.join(QLatin1Char('\n')).toStdString();
    }
}

TEST(IncludeLayers, TheCheckSeesAnUpwardInclude)
{
    // The scan itself: a file of a lower layer that reaches up is reported with its line.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile f(dir.filePath(QStringLiteral("probe.cpp")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#include \"engines/qr/QREncoder.h\"\n// text\n  #  include \"app/SKTWindowController.h\"\n#include <QString>\n");
    f.close();
    const auto includes = projectIncludes(f.fileName());
    ASSERT_EQ(includes.size(), 2);
    EXPECT_EQ(includes.at(1), qMakePair(3, QStringLiteral("app/SKTWindowController.h")));
}
