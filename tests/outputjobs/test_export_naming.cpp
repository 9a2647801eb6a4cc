#include "outputjobs/ExportNaming.h"
#include "platform/Files.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace exportnaming;

namespace {

// Taken: the names in the set (file names, any case of the extension as written).
TakenTest takenOf(const QSet<QString> &names)
{
    return [names](const QString &path) { return names.contains(QFileInfo(path).fileName()); };
}

Settings settings(const QString &token, const QString &ext = QStringLiteral("jpg"))
{
    Settings s;
    s.token = token;
    s.folder = QStringLiteral("/out");
    s.ext = ext;
    return s;
}

QString nameOf(const QString &path) { return QFileInfo(path).fileName(); }

} // namespace

struct BarcodeCase {
    const char *token, *prefix, *suffix;
    int exportCounter;
    const char *value, *header, *footer, *series;
    int counter;
    const char *expected;
};

TEST(ExportNaming, BarcodeTokens)
{
    const BarcodeCase cases[] = {
        {"<DEF>", "", "", 0, "ABC", "", "", "", 1, "Barcode.JPG"},      // a batch's extension is upper case
        {"<DEF>", "", "", 2, "ABC", "", "", "", 3, "Barcode (2).JPG"},
        {"<DEF>", "A", "Z", 1, "", "", "", "", 2, "A_Barcode_Z (1).JPG"},
        {"<BV>", "", "", 0, "1.5", "", "", "", 1, "1_5.JPG"},
        {"<BV>", "", "", 0, "", "", "", "", 7, "Value (7).JPG"},
        {"<BS>", "", "", 0, "x", "", "", "Names", 4, "Names.JPG"},
        {"<BSV>", "", "", 0, "v1", "", "", "S", 1, "S_v1.JPG"},
        {"<BSV>", "", "", 0, "", "", "", "S", 3, "S_Value (3).JPG"},
        {"<BH>", "", "", 0, "", " Head ", "", "", 1, "Head.JPG"},
        {"<BH>", "", "", 0, "", "", "", "", 2, "Header (2).JPG"},
        {"<BF>", "p", "", 0, "", "", "Foot", "", 1, "p_Foot.JPG"},
        {"<BF>", "", "", 0, "", "", "", "", 5, "Footer (5).JPG"},
        {"Mine", "", "s", 3, "", "", "", "", 4, "Mine_s (3).JPG"},
    };
    for (const BarcodeCase &c : cases) {
        Settings s = settings(QString::fromUtf8(c.token), QStringLiteral("JPG"));
        s.prefix = QString::fromUtf8(c.prefix);
        s.suffix = QString::fromUtf8(c.suffix);
        s.exportCounter = c.exportCounter;
        const QString path = barcodeName(s, QString::fromUtf8(c.value), QString::fromUtf8(c.header),
                                         QString::fromUtf8(c.footer), QString::fromUtf8(c.series), c.counter, true,
                                         takenOf({}));
        EXPECT_EQ(nameOf(path), QString::fromUtf8(c.expected)) << c.token << " " << c.value;
        EXPECT_EQ(QFileInfo(path).path(), QStringLiteral("/out"));
    }
}

TEST(ExportNaming, SeriesNameIsMadeUniqueWithoutAsking)
{
    Settings s = settings(QStringLiteral("<BS>"));
    const QString first = barcodeName(s, {}, {}, {}, QStringLiteral("Names"), 1, true, takenOf({}));
    EXPECT_EQ(nameOf(first), QStringLiteral("Names.JPG"));
    const QString second = barcodeName(s, {}, {}, {}, QStringLiteral("Names"), 2, true, takenOf({"Names.JPG"}));
    EXPECT_EQ(nameOf(second), QStringLiteral("Names (1).JPG"));
    const QString third = barcodeName(s, {}, {}, {}, QStringLiteral("Names"), 3, true, takenOf({"Names.JPG", "Names (1).JPG"}));
    EXPECT_EQ(nameOf(third), QStringLiteral("Names (2).JPG"));
    // One file per label in the PDF export: the series name and the file's number, no check.
    s.pdfOption = 2;
    s.exportCounter = 4;
    EXPECT_EQ(nameOf(barcodeName(s, {}, {}, {}, QStringLiteral("Names"), 1, true, takenOf({}))), QStringLiteral("Names (5).jpg"));
}

TEST(ExportNaming, AdvancedQrDefaultNamesTheType)
{
    Settings s = settings(QStringLiteral("<DEF>"), QStringLiteral("png"));
    s.advancedQr = true;
    s.qrTypeName = QStringLiteral("Text");
    EXPECT_EQ(nameOf(barcodeName(s, {}, {}, {}, {}, 1, false, takenOf({}))), QStringLiteral("QR Code for Text.png"));
}

struct LabelCase {
    const char *token, *prefix, *suffix;
    int exportCounter;
    const char *value, *series, *column;
    int counter;
    const char *taken;
    const char *expected;
};

TEST(ExportNaming, LabelTokens)
{
    const LabelCase cases[] = {
        {"<DEF>", "", "", 0, "", "", "", 1, "", "Label.jpg"},
        {"<DEF>", "", "", 2, "", "", "", 3, "", "Label (2).jpg"},
        {"<DEF>", "A", "B", 0, "", "", "", 1, "", "A_Label_B.jpg"},
        {"<SN>", "", "", 0, "", "Names", "", 4, "", "Names (4).jpg"},
        {"<SN>", "", "", 0, "", "Names", "", 5, "", "Names (5).jpg"},
        {"<SV>", "", "", 0, "1.5", "S", "", 1, "", "1_5.jpg"},
        {"<SV>", "", "", 0, "", "S", "", 7, "", "Label (7).PNG"},
        {"<SV>", "", "", 0, "", "S", "", 7, "Label (7).PNG", "Label (7) (7).PNG"},
        {"<SNV>", "", "", 0, "v", "S", "", 1, "", "S_v.jpg"},
        {"<SNV>", "", "", 0, "", "S", "", 2, "", "S_Label (2).PNG"},
        {"<ECOL>", "", "", 0, "", "Col", " cell ", 1, "", "cell.jpg"},
        {"<ECOL>", "", "", 0, "", "Col", "", 3, "", "Label (3).PNG"},
        {"Card", "", "", 1, "", "", "", 2, "", "Card (1).jpg"},
    };
    for (const LabelCase &c : cases) {
        const QString expected = QString::fromUtf8(c.expected);
        // The cases that end in upper case are those made unique, whose extension goes up.
        Settings s = settings(QString::fromUtf8(c.token), expected.endsWith(QLatin1String(".PNG")) ? QStringLiteral("png")
                                                                                                   : QStringLiteral("jpg"));
        s.prefix = QString::fromUtf8(c.prefix);
        s.suffix = QString::fromUtf8(c.suffix);
        s.exportCounter = c.exportCounter;
        QSet<QString> taken;
        if (*c.taken)
            taken.insert(QString::fromUtf8(c.taken));
        const QString path = labelName(s, QString::fromUtf8(c.value), QString::fromUtf8(c.series),
                                       QString::fromUtf8(c.column), c.counter, takenOf(taken));
        EXPECT_EQ(nameOf(path), expected) << c.token << " " << c.value;
    }
}

TEST(ExportNaming, FreeNameCountsOnFromTheCounter)
{
    const QString p = QStringLiteral("/out/Label (7).png");
    EXPECT_EQ(nameOf(Check_Exist_Path_and_Create_New(p, 7, takenOf({}))), QStringLiteral("Label (7).PNG"));
    EXPECT_EQ(nameOf(Check_Exist_Path_and_Create_New(p, 7, takenOf({"Label (7).PNG"}))), QStringLiteral("Label (7) (7).PNG"));
    EXPECT_EQ(nameOf(Check_Exist_Path_and_Create_New(p, 7, takenOf({"Label (7).PNG", "Label (7) (7).PNG"}))),
              QStringLiteral("Label (7) (8).PNG"));
    EXPECT_EQ(nameOf(Check_Exist_Path_and_Create_New(QStringLiteral("/out/Label.png"), 0, takenOf({"Label.PNG"}))),
              QStringLiteral("Label (1).PNG"));
}

TEST(ExportNaming, HostileValuesStayInTheFolder)
{
    struct Case {
        QString value, expected;
    };
    const Case cases[] = {
        {QStringLiteral("../../x"), QStringLiteral("______x.JPG")},
        {QStringLiteral("/etc/passwd"), QStringLiteral("etc_passwd.JPG")},
        {QStringLiteral(".."), QStringLiteral("__.JPG")},
        {QStringLiteral("a") + QChar(0) + QStringLiteral("b"), QStringLiteral("a_b.JPG")},
        {QStringLiteral("/"), QStringLiteral("Value (4).JPG")},   // nothing left: the stand-in, never ".JPG"
        {QStringLiteral("*?"), QStringLiteral("Value (4).JPG")},
    };
    for (const Case &c : cases) {
        const QString path = barcodeName(settings(QStringLiteral("<BV>"), QStringLiteral("JPG")), c.value, {}, {}, {}, 4,
                                         true, takenOf({}));
        EXPECT_EQ(QFileInfo(path).path(), QStringLiteral("/out")) << c.value.toStdString();
        EXPECT_EQ(nameOf(path), c.expected) << c.value.toStdString();
    }
    const QString label = labelName(settings(QStringLiteral("<SV>")), QStringLiteral("/"), QStringLiteral("S"), {}, 2,
                                    takenOf({}));
    EXPECT_EQ(nameOf(label), QStringLiteral("Label (2).JPG"));
}

TEST(ExportNaming, PdfNamesWithoutAsciiFallBack)
{
    EXPECT_EQ(nameOf(Create_And_Check_File_Name(QStringLiteral("/out"), QStringLiteral("Łódź"), false, 1,
                                                QStringLiteral("PDF"), takenOf({}))),
              QStringLiteral("QIRO_PDF_Label.PDF"));
    EXPECT_EQ(nameOf(Create_And_Check_File_Name(QStringLiteral("/out"), QStringLiteral("Lodz"), false, 1,
                                                QStringLiteral("PDF"), takenOf({}))),
              QStringLiteral("Lodz.PDF"));
}

TEST(ExportNaming, DiskTestComparesTheExtensionInAnyCase)
{
    QTemporaryDir dir;
    QFile f(QDir(dir.path()).filePath(QStringLiteral("Label.PNG")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_TRUE(fileNameTakenOnDisk(QDir(dir.path()).filePath(QStringLiteral("Label.png"))));
    EXPECT_FALSE(fileNameTakenOnDisk(QDir(dir.path()).filePath(QStringLiteral("Label.jpg"))));
    EXPECT_FALSE(fileNameTakenOnDisk(QDir(dir.path()).filePath(QStringLiteral("Labe.png"))));
    // Asked of the folder held: renamed away since, another made under its name holding Other.png.
    const platform::Descriptor held(platform::openFolderByRule(dir.path(), nullptr));
    ASSERT_TRUE(QDir().rename(dir.path(), dir.path() + "~") && QDir().mkdir(dir.path()) && QFile(dir.filePath("Other.png")).open(QIODevice::WriteOnly));
    QByteArray taken;
    for (const char *name : {"Label.png", "Label.PNG", "Other.png"})
        taken += fileNameTakenOnDisk(dir.filePath(name), held.fd) ? 'y' : 'n';
    EXPECT_EQ(taken, "yyn");
    QDir(dir.path() + "~").removeRecursively();
}
