// The card object archive: the blocks each exact class writes, objects read back without init
// defaults, the serialised form, clipboard data from any source and paste preparation.

#include "ArchiveSupport.h"

#include "model/DesignGlobals.h"
#include "model/DesignSnapshot.h"
#include "model/SKTBarcode.h"
#include "model/SKTError.h"
#include "model/SKTImage.h"
#include "model/SKTLine.h"
#include "model/SKTSignature.h"
#include "model/SKTText.h"
#include "model/Shape_Control.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using archivetest::archiveOf;
using archivetest::bitmap;
using archivetest::filledGraphic;
using archivetest::kBarcode;
using archivetest::kBinding;
using archivetest::kCommon;
using archivetest::kLine;
using archivetest::kPicture;
using archivetest::kShape;
using archivetest::kSignature;
using archivetest::kText;
using archivetest::words;
using archivetest::pasteboardOf;
using archivetest::pixelOf;
using archivetest::plistOf;
using platform::PlistValue;

namespace {

const SKTGraphicClass kAllClasses[] = {SKTGraphicClass::Graphic, SKTGraphicClass::Text,  SKTGraphicClass::Line,
                                       SKTGraphicClass::Shape,   SKTGraphicClass::Image, SKTGraphicClass::Barcode,
                                       SKTGraphicClass::Signature};

// Whether a field read by name holds nothing: NO, 0, a null string, no colour, no font, no picture.
bool isEmptyValue(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Bool: return !v.toBool();
    case QMetaType::Int: return v.toInt() == 0;
    case QMetaType::Float:
    case QMetaType::Double: return v.toDouble() == 0;
    case QMetaType::QString: return v.toString().isNull();
    case QMetaType::QColor: return !v.value<QColor>().isValid();
    case QMetaType::QFont: return SKTIsNoFont(v.value<QFont>());
    case QMetaType::QRectF: return v.toRectF() == QRectF();
    default: break;
    }
    if (v.metaType() == QMetaType::fromType<platform::Picture>())
        return v.value<platform::Picture>().isNull();
    return false;
}

std::shared_ptr<SKTGraphic> throughSerialisedForm(const SKTGraphic &g)
{
    const std::optional<ObjectArchive> back = ObjectArchive::fromData(archiveOf(g).data());
    return back ? SKTGraphic::initWithCoder(*back) : nullptr;
}

// Runs python3 on a script with the file as its argument; nothing when python3 is missing.
std::optional<QString> python(const QString &script, const QString &path)
{
    if (!QFileInfo::exists(QStringLiteral("/usr/bin/python3")))
        return std::nullopt;
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), script, path});
    if (!p.waitForFinished(60000))
        return QStringLiteral("python3 did not finish");
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed() + QString::fromUtf8(p.readAllStandardError()).trimmed();
}

class ArchiveTest : public ::testing::Test {
protected:
    void SetUp() override { BAR_CTRL = 0; }
    void TearDown() override
    {
        BAR_CTRL = 0;
        SKTImage::setPictureHooks({});
    }
};

} // namespace

// ---- Blocks, keys and kinds ---------------------------------------------------------------------

TEST_F(ArchiveTest, EachClassWritesItsBlocksInOrder)
{
    const struct {
        SKTGraphicClass graphicClass;
        QStringList keys;
        int count;
    } expected[] = {
        {SKTGraphicClass::Text, kCommon + kBinding + kText, 43},
        {SKTGraphicClass::Line, kCommon + kLine, 23},
        {SKTGraphicClass::Shape, kCommon + kShape, 24},
        {SKTGraphicClass::Image, kCommon + kBinding + kPicture, 46},
        {SKTGraphicClass::Barcode, kCommon + kBinding + kBarcode, 74},
        {SKTGraphicClass::Signature, kCommon + kSignature, 22},
        {SKTGraphicClass::Graphic, kCommon, 19},
    };
    for (const auto &e : expected) {
        const auto g = SKTGraphic::graphicOfClass(e.graphicClass);
        SCOPED_TRACE(g->className().toStdString());
        const ObjectArchive a = archiveOf(*g);
        EXPECT_EQ(a.className(), g->className());
        EXPECT_EQ(a.count(), e.count);
        EXPECT_EQ(a.keys(), e.keys);
        EXPECT_EQ(graphic_decode_count, e.count);
        EXPECT_EQ(graphic_decode_class, g->className());
    }
}

TEST_F(ArchiveTest, KeysCarryTheirKindsAndNullsCount)
{
    // A new barcode object has no advanced QR values: they are written, as explicit nulls.
    const ObjectArchive a = archiveOf(SKTBarcode());
    using Kind = ObjectArchive::Kind;
    const struct {
        const char *key;
        Kind kind;
    } kinds[] = {
        {"_bounds", Kind::Rect},          {"ctrl_is_locked", Kind::Bool},   {"_strokeWidth", Kind::Float32},
        {"_fill_grad_angle", Kind::Float32}, {"print_object", Kind::Int32}, {"_fillColor", Kind::Object},
        {"control_ID", Kind::Object},     {"linear_height_val", Kind::Float32}, {"USE_QR_LOGO", Kind::Bool},
        {"AQR_Category", Kind::Object},   {"_barcode_image", Kind::Object},
    };
    for (const auto &k : kinds) {
        const ObjectArchive::Entry *e = a.entry(QString::fromLatin1(k.key));
        ASSERT_NE(e, nullptr) << k.key;
        EXPECT_EQ(e->kind(), k.kind) << k.key;
    }
    EXPECT_TRUE(std::holds_alternative<ObjectArchive::Null>(a.entry(QStringLiteral("AQR_Category"))->value));
    EXPECT_TRUE(std::holds_alternative<ObjectArchive::Null>(a.entry(QStringLiteral("_barcode_image"))->value));
}

TEST_F(ArchiveTest, DoublesPassAtFloatPrecision)
{
    Shape_Control shape;
    shape._strokeWidth = 0.1;
    shape._fill_grad_angle = 1.0 / 3.0;
    for (const auto &back : {SKTGraphic::initWithCoder(archiveOf(shape)), throughSerialisedForm(shape)}) {
        ASSERT_TRUE(back);
        EXPECT_EQ(back->_strokeWidth, double(0.1f));
        EXPECT_NE(back->_strokeWidth, 0.1);
        EXPECT_EQ(back->_fill_grad_angle, double(float(1.0 / 3.0)));
    }
}

// ---- Reading back -------------------------------------------------------------------------------

TEST_F(ArchiveTest, AShapeReadBackCarriesOnlyItsBlocks)
{
    const auto original = filledGraphic(SKTGraphicClass::Shape);
    const auto back = SKTGraphic::initWithCoder(archiveOf(*original));
    ASSERT_TRUE(back);
    ASSERT_TRUE(back->isExactly<Shape_Control>());
    // What the shape's blocks carry comes back.
    EXPECT_EQ(back->_shape_type, QStringLiteral("DS"));
    EXPECT_EQ(back->text_rotation, 33);
    EXPECT_EQ(back->_fillColor, original->_fillColor);
    EXPECT_TRUE(back->ctrl_is_locked);
    EXPECT_FALSE(back->ctrl_is_visible);
    // Everything else is empty, not the defaults of a new object.
    const QStringList carried = kCommon + kShape;
    const QStringList notCarried = kBinding + kText + kPicture + kBarcode + kSignature + kLine +
                                   words("bar_image_ctrl_bounds _boundsBeingChangedToMatchContents");
    int checked = 0;
    for (const QString &key : notCarried) {
        if (carried.contains(key) || key == QLatin1String("_Text_contents") || key.startsWith(QLatin1String("_points")))
            continue;
        const QVariant v = back->valueForKey(key);
        ASSERT_TRUE(v.isValid()) << key.toStdString();
        EXPECT_TRUE(isEmptyValue(v)) << key.toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 80);
    EXPECT_FALSE(back->_Text_contents.has_value());
    EXPECT_TRUE(SKTIsNoFont(back->text_ctrl_font));
    EXPECT_TRUE(back->_contents.isNull());
    EXPECT_EQ(back->_file_path, QString());
    EXPECT_EQ(back->scriptingContainer(), nullptr);
}

TEST_F(ArchiveTest, ABarcodeReadBackHasNoImageControlBounds)
{
    const auto original = filledGraphic(SKTGraphicClass::Barcode);
    original->Set_Barcode_image_control_bounds();
    ASSERT_FALSE(original->bar_image_ctrl_bounds.isNull());
    const auto back = SKTGraphic::initWithCoder(archiveOf(*original));
    EXPECT_EQ(back->bar_image_ctrl_bounds, QRectF());
    EXPECT_EQ(back->_bounds, original->_bounds);
    EXPECT_EQ(back->header_font_val, original->header_font_val);
    EXPECT_EQ(back->AQR_Final_Value, original->AQR_Final_Value);
    EXPECT_EQ(back->_barcode_image.size(), original->_barcode_image.size());
}

TEST_F(ArchiveTest, AReadFailureStopsThereAndAPictureRebuildsItsEffectPicture)
{
    const auto original = filledGraphic(SKTGraphicClass::Image);
    const ObjectArchive whole = archiveOf(*original);
    ObjectArchive broken(original->className());
    for (const ObjectArchive::Entry &e : whole.entries())
        broken.append(e.key, e.key == QLatin1String("_contents") ? ObjectArchive::Value(ObjectArchive::Broken{"bad"}) : e.value);

    SKTImage::setPictureHooks({{}, [](const SKTGraphic &g) {
                                   return bitmap(QSize(3, 3), g._file_path.isEmpty() ? Qt::black : Qt::blue);
                               }});
    const auto back = SKTGraphic::initWithCoder(broken);
    ASSERT_TRUE(back);
    // Read up to the failure, nothing after it; the effect picture comes from the settings hook.
    EXPECT_EQ(back->_file_path, original->_file_path);
    EXPECT_EQ(back->Text_Value, original->Text_Value);
    EXPECT_TRUE(back->_contents.isNull());
    EXPECT_EQ(pixelOf(back->_contents_with_settings), QColor(Qt::blue));

    // Without a hook the effect picture is the loaded picture, here none.
    SKTImage::setPictureHooks({});
    EXPECT_TRUE(SKTGraphic::initWithCoder(broken)->_contents_with_settings.isNull());

    // Another class read up to a failure keeps its other fields empty and gets no repair.
    const auto shape = filledGraphic(SKTGraphicClass::Shape);
    const ObjectArchive wholeShape = archiveOf(*shape);
    ObjectArchive brokenShape(shape->className());
    for (const ObjectArchive::Entry &e : wholeShape.entries())
        brokenShape.append(e.key, e.key == QLatin1String("_fillColor") ? ObjectArchive::Value(ObjectArchive::Broken{"bad"}) : e.value);
    const auto partly = SKTGraphic::initWithCoder(brokenShape);
    EXPECT_EQ(partly->_bounds, shape->_bounds);
    EXPECT_FALSE(partly->_fillColor.isValid());
    EXPECT_EQ(partly->_shape_type, QString());
}

TEST_F(ArchiveTest, PastedPictureEffectsAreKeptToTheirSlidersRanges)
{
    // Data on the clipboard may come from anywhere: effects past their sliders, or no numbers.
    const struct {
        float SKTGraphic::*field;
        float stored;
        float read;
    } cases[] = {
        {&SKTGraphic::blr_val, 1.0e7f, 100},     {&SKTGraphic::blr_val, -3, 0},
        {&SKTGraphic::hue_val, NAN, 0},          {&SKTGraphic::sat_val, INFINITY, 1},
        {&SKTGraphic::con_val, 0, 0.25f},        {&SKTGraphic::ev_val, -1.0e30f, -10},
        {&SKTGraphic::rotate_image, 1.0e9f, 360}, {&SKTGraphic::img_trnsp_val, -INFINITY, 100},
        {&SKTGraphic::srp_val, 1.5f, 1.5f},      {&SKTGraphic::brt_val, -0.5f, -0.5f},
    };
    for (const auto &c : cases) {
        auto original = SKTGraphic::graphicOfClass(SKTGraphicClass::Image);
        (*original).*c.field = c.stored;
        const auto back = SKTGraphic::initWithCoder(archiveOf(*original));
        ASSERT_TRUE(back);
        EXPECT_FLOAT_EQ((*back).*c.field, c.read) << c.stored;
    }
    // Other kinds keep what they read: their effect fields mean nothing.
    auto text = SKTGraphic::graphicOfClass(SKTGraphicClass::Text);
    text->con_val = 0;
    EXPECT_FLOAT_EQ(SKTGraphic::initWithCoder(archiveOf(*text))->con_val, 0);
}

TEST_F(ArchiveTest, AnArchiveOfNoCardObjectReadsAsNothing)
{
    ObjectArchive other(QStringLiteral("Card_Property"));
    other.encodeBool(true, QStringLiteral("ctrl_is_locked"));
    EXPECT_EQ(SKTGraphic::initWithCoder(other), nullptr);
    // A subclass name of a kind is no kind of its own.
    EXPECT_EQ(SKTGraphic::initWithCoder(ObjectArchive(QStringLiteral("SKTTextArea"))), nullptr);
}

// ---- The serialised form ------------------------------------------------------------------------

TEST_F(ArchiveTest, EveryClassRoundTripsAndReencodesToTheSameBytes)
{
    for (SKTGraphicClass c : kAllClasses) {
        const auto original = filledGraphic(c);
        SCOPED_TRACE(original->className().toStdString());
        const QByteArray bytes = archiveOf(*original).data();
        ASSERT_FALSE(bytes.isEmpty());
        const std::optional<ObjectArchive> read = ObjectArchive::fromData(bytes);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->keys(), archiveOf(*original).keys());
        const auto back = SKTGraphic::initWithCoder(*read);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->graphicClass(), c);
        EXPECT_EQ(archiveOf(*back).data(), bytes);
        EXPECT_EQ(back->_bounds, original->_bounds);
        EXPECT_EQ(back->_fillColor, original->_fillColor);
        EXPECT_EQ(back->control_ID, original->control_ID);
    }
}

TEST_F(ArchiveTest, ValuesOfEveryKindSurviveTheSerialisedForm)
{
    const auto text = throughSerialisedForm(*filledGraphic(SKTGraphicClass::Text));
    EXPECT_EQ(text->text_ctrl_font.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(text->text_ctrl_font.weight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(text->text_ctrl_font.pointSizeF(), 17.0);
    ASSERT_TRUE(text->_Text_contents.has_value());
    EXPECT_EQ(text->_Text_contents->characters, QStringLiteral("Grüße"));
    EXPECT_EQ(text->_Text_contents->font.family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(text->_Text_contents->color, QColor(Qt::magenta));
    const auto textBefore = filledGraphic(SKTGraphicClass::Text);
    EXPECT_EQ(text->text_kerning, textBefore->text_kerning);
    EXPECT_EQ(text->Shadow_Color, textBefore->Shadow_Color);
    EXPECT_EQ(text->Shadow_Color.alpha(), 200);
    EXPECT_EQ(text->batch_hdr_list_name, textBefore->batch_hdr_list_name);

    const auto picture = throughSerialisedForm(*filledGraphic(SKTGraphicClass::Image));
    EXPECT_EQ(picture->_contents.size(), QSizeF(2, 1));
    EXPECT_EQ(pixelOf(picture->_contents), QColor(Qt::red));
    EXPECT_EQ(pixelOf(picture->_contents_with_settings), QColor(Qt::green));
    EXPECT_TRUE(picture->_isFlippedVertically);

    const auto barcode = throughSerialisedForm(*filledGraphic(SKTGraphicClass::Barcode));
    // The vector picture arrives rasterised at 600 DPI, at its size in points.
    EXPECT_EQ(barcode->_barcode_image.size(), QSizeF(10, 5));
    EXPECT_EQ(barcode->_barcode_image.image().size(), QSize(84, 42));
    EXPECT_EQ(barcode->header_font_val.style(), QFont::StyleItalic);
    const auto barcodeBefore = filledGraphic(SKTGraphicClass::Barcode);
    EXPECT_EQ(barcode->barcode_back_clr_val, barcodeBefore->barcode_back_clr_val);
    EXPECT_EQ(barcode->AQR_Category, barcodeBefore->AQR_Category);
    EXPECT_EQ(barcode->value_font_val.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(barcode->value_font_val.pointSizeF(), barcodeBefore->value_font_val.pointSizeF());
    EXPECT_EQ(barcode->LR_margin_val, barcodeBefore->LR_margin_val);

    // A new barcode's nulls stay nulls, not empty strings.
    const auto fresh = throughSerialisedForm(SKTBarcode());
    EXPECT_TRUE(fresh->AQR_Category.isNull());
    EXPECT_FALSE(fresh->control_ID.isNull());

    const auto line = throughSerialisedForm(*filledGraphic(SKTGraphicClass::Line));
    auto *l = graphic_cast<SKTLine>(line.get());
    ASSERT_NE(l, nullptr);
    EXPECT_TRUE(l->_pointsRight && l->_pointsDown);
}

TEST_F(ArchiveTest, Python3ReadsTheClipboardBytes)
{
    SKTGraphicList graphics;
    for (SKTGraphicClass c : kAllClasses)
        graphics.append(filledGraphic(c));
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath(QStringLiteral("clip.plist")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(SKTGraphic::pasteboardDataWithGraphics(graphics));
    file.close();
    const std::optional<QString> out = python(QStringLiteral("import plistlib,sys\n"
                                                             "top=plistlib.load(open(sys.argv[1],'rb'))\n"
                                                             "assert isinstance(top,list)\n"
                                                             "out=[]\n"
                                                             "for item in top:\n"
                                                             "  assert isinstance(item,bytes)\n"
                                                             "  d=plistlib.loads(item)\n"
                                                             "  assert isinstance(d,dict)\n"
                                                             "  out.append('%s:%d:%s' % (d['$class'], d['$v'], d['_bounds']))\n"
                                                             "print(' '.join(out))"),
                                              file.fileName());
    if (!out)
        GTEST_SKIP() << "no /usr/bin/python3";
    EXPECT_EQ(*out, QStringLiteral("SKTGraphic:1:[12.5, 20.25, 140.0, 60.5] SKTText:1:[12.5, 20.25, 140.0, 60.5] "
                                   "SKTLine:1:[12.5, 20.25, 140.0, 60.5] Shape_Control:1:[12.5, 20.25, 140.0, 60.5] "
                                   "SKTImage:1:[12.5, 20.25, 140.0, 60.5] SKTBarcode:1:[12.5, 20.25, 140.0, 60.5] "
                                   "SKTSignature:1:[12.5, 20.25, 140.0, 60.5]"));
}

// ---- Pasting ------------------------------------------------------------------------------------

TEST_F(ArchiveTest, PastedObjectsAreUnlockedAndBarcodesNumberedAnew)
{
    const auto barcode = filledGraphic(SKTGraphicClass::Barcode);
    const auto text = filledGraphic(SKTGraphicClass::Text);
    ASSERT_TRUE(barcode->ctrl_is_locked && text->ctrl_is_locked);
    const QByteArray clip = SKTGraphic::pasteboardDataWithGraphics({barcode, text});
    BAR_CTRL = 4;
    const auto first = SKTGraphic::graphicsWithPasteboardData(clip);
    const auto second = SKTGraphic::graphicsWithPasteboardData(clip);
    ASSERT_TRUE(first && second);
    ASSERT_EQ(first->size(), 2);
    ASSERT_EQ(second->size(), 2);
    EXPECT_EQ(first->at(0)->control_ID, QStringLiteral("BAR_5"));
    EXPECT_EQ(second->at(0)->control_ID, QStringLiteral("BAR_6"));
    EXPECT_EQ(BAR_CTRL, 6);
    for (const auto &list : {*first, *second}) {
        EXPECT_FALSE(list.at(0)->ctrl_is_locked);
        EXPECT_FALSE(list.at(1)->ctrl_is_locked);
        EXPECT_EQ(list.at(1)->control_ID, QStringLiteral(""));
        EXPECT_FALSE(list.at(1)->control_ID.isNull());
        EXPECT_EQ(list.at(1)->Text_Value, text->Text_Value);
    }
}

TEST_F(ArchiveTest, APastedPictureWhoseFileExistsReloadsIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.png"));
    QImage file(6, 4, QImage::Format_ARGB32);
    file.fill(Qt::yellow);
    ASSERT_TRUE(file.save(path));
    const auto picture = filledGraphic(SKTGraphicClass::Image);
    picture->_file_path = path;
    const auto missing = filledGraphic(SKTGraphicClass::Image);   // its file does not exist
    const auto pasted = SKTGraphic::graphicsWithProperties(SKTGraphic::propertiesWithGraphics({picture, missing}));
    ASSERT_EQ(pasted.size(), 2);
    EXPECT_EQ(pasted.at(0)->_contents.image().size(), QSize(6, 4));
    EXPECT_EQ(pixelOf(pasted.at(0)->_contents), QColor(Qt::yellow));
    EXPECT_EQ(pixelOf(pasted.at(0)->_contents_with_settings), QColor(Qt::yellow));
    EXPECT_EQ(pixelOf(pasted.at(1)->_contents), QColor(Qt::red));   // as archived
}

TEST_F(ArchiveTest, ASnapshotRestoresObjectsAsTheyWere)
{
    const SKTGraphicList side = {filledGraphic(SKTGraphicClass::Barcode), filledGraphic(SKTGraphicClass::Text)};
    const DesignSnapshot snapshot(side);
    ASSERT_EQ(snapshot.count(), 2);
    // The picture is shared with the object, not encoded.
    const auto *held = std::get_if<platform::Picture>(&snapshot.archives().at(0).entry(QStringLiteral("_barcode_image"))->value);
    ASSERT_NE(held, nullptr);
    EXPECT_TRUE(held->isVector());
    const QString header = side.at(0)->header_val;
    side.at(0)->header_val = QStringLiteral("changed later");
    for (int round = 0; round < 2; ++round) {
        const SKTGraphicList restored = snapshot.restore();
        ASSERT_EQ(restored.size(), 2);
        EXPECT_NE(restored.at(0), side.at(0));
        EXPECT_EQ(restored.at(0)->header_val, header);
        EXPECT_EQ(restored.at(0)->control_ID, QStringLiteral("ID_7"));   // not renumbered
        EXPECT_TRUE(restored.at(0)->ctrl_is_locked);                      // not unlocked
        EXPECT_TRUE(restored.at(1)->isExactly<SKTText>());
    }
    EXPECT_EQ(BAR_CTRL, 0);
}

// ---- Clipboard data from anywhere ---------------------------------------------------------------

TEST_F(ArchiveTest, ATopLevelThatIsNoArrayGivesCodeTwo)
{
    PlistValue dict = PlistValue::dictionary();
    dict.insert(QStringLiteral("$class"), PlistValue::string(QStringLiteral("SKTText")));
    const QByteArray inputs[] = {
        platform::plistToData(dict, platform::PlistFormat::Binary),
        platform::plistToData(PlistValue::string(QStringLiteral("text")), platform::PlistFormat::Xml),
        QByteArray("not a property list at all"),
        QByteArray(),
    };
    for (const QByteArray &bytes : inputs) {
        SKTError error;
        EXPECT_FALSE(SKTGraphic::graphicsWithPasteboardData(bytes, &error).has_value());
        EXPECT_EQ(error.code, 2);
        EXPECT_EQ(error.domain, SKTErrorDomain);
    }
    EXPECT_FALSE(SKTGraphic::graphicsWithPasteboardData(inputs[0]).has_value());   // no error asked for
}

TEST_F(ArchiveTest, ElementsThatAreNoArchiveOfACardObjectAreSkipped)
{
    PlistValue noClass = PlistValue::dictionary();
    noClass.insert(QStringLiteral("_bounds"), PlistValue::array());
    PlistValue unknown = plistOf(Shape_Control());
    unknown.insert(QStringLiteral("$class"), PlistValue::string(QStringLiteral("NSWindow")));
    PlistValue emptyClass = plistOf(Shape_Control());
    emptyClass.insert(QStringLiteral("$class"), PlistValue::string(QString()));

    PlistValue list = PlistValue::array();
    list.append(PlistValue::string(QStringLiteral("text")));
    list.append(PlistValue::integer(7));
    list.append(PlistValue::data(QByteArray("garbage")));
    list.append(PlistValue::data(platform::plistToData(noClass, platform::PlistFormat::Binary)));
    list.append(PlistValue::data(platform::plistToData(unknown, platform::PlistFormat::Binary)));
    list.append(PlistValue::data(platform::plistToData(emptyClass, platform::PlistFormat::Binary)));
    list.append(PlistValue::data(platform::plistToData(plistOf(SKTLine()), platform::PlistFormat::Xml)));
    list.append(plistOf(SKTSignature()));   // a dictionary in place of its data
    SKTError error;
    const auto pasted = SKTGraphic::graphicsWithPasteboardData(platform::plistToData(list, platform::PlistFormat::Binary), &error);
    ASSERT_TRUE(pasted);
    EXPECT_EQ(error.code, 0);
    ASSERT_EQ(pasted->size(), 2);
    EXPECT_TRUE(pasted->at(0)->isExactly<SKTLine>());
    EXPECT_TRUE(pasted->at(1)->isExactly<SKTSignature>());
}

TEST_F(ArchiveTest, WrongKindsReadAsMissingAndNonFiniteRealsAsZero)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    PlistValue p = plistOf(*filledGraphic(SKTGraphicClass::Shape));
    p.insert(QStringLiteral("$v"), PlistValue::integer(99));   // a newer format still reads the keys it knows
    p.insert(QStringLiteral("a_key_of_a_newer_format"), PlistValue::string(QStringLiteral("x")));
    p.insert(QStringLiteral("ctrl_is_visible"), PlistValue::integer(1));   // a number, not a BOOL
    p.insert(QStringLiteral("print_object"), PlistValue::integer(qint64(1) << 40));   // not an int32
    p.insert(QStringLiteral("_shape_type"), PlistValue::integer(3));
    p.insert(QStringLiteral("_fillColor"), PlistValue::string(QStringLiteral("red")));
    p.insert(QStringLiteral("cor_rad_val"), PlistValue::string(QStringLiteral("4")));
    p.insert(QStringLiteral("alpha_val"), PlistValue::real(nan));
    p.insert(QStringLiteral("alpha_val_stroke"), PlistValue::real(inf));
    p.insert(QStringLiteral("_strokeWidth"), PlistValue::real(1e300));   // no float holds it
    p.insert(QStringLiteral("_bounds"), PlistValue::array({PlistValue::real(nan), PlistValue::real(2), PlistValue::real(-inf),
                                                           PlistValue::real(4)}));
    p.insert(QStringLiteral("_strokeColor"),
             PlistValue::dictionary({{QStringLiteral("$type"), PlistValue::string(QStringLiteral("color"))},
                                     {QStringLiteral("rgba"), PlistValue::array({PlistValue::real(nan), PlistValue::real(2),
                                                                                 PlistValue::real(-1), PlistValue::real(1)})}}));
    p.insert(QStringLiteral("_fill_Grad_clr1"),
             PlistValue::dictionary({{QStringLiteral("$type"), PlistValue::string(QStringLiteral("color"))},
                                     {QStringLiteral("rgba"), PlistValue::array({PlistValue::real(1)})}}));
    const auto pasted = SKTGraphic::graphicsWithPasteboardData(pasteboardOf({p}));
    ASSERT_TRUE(pasted);
    ASSERT_EQ(pasted->size(), 1);
    const SKTGraphic &g = *pasted->at(0);
    EXPECT_TRUE(g.isExactly<Shape_Control>());
    EXPECT_FALSE(g.ctrl_is_visible);
    EXPECT_EQ(g.print_object, 0);
    EXPECT_TRUE(g._shape_type.isNull());
    EXPECT_FALSE(g._fillColor.isValid());
    EXPECT_FALSE(g._fill_Grad_clr1.isValid());
    EXPECT_EQ(g.cor_rad_val, 0.0f);
    EXPECT_EQ(g.alpha_val, 0.0f);
    EXPECT_EQ(g.alpha_val_stroke, 0.0f);
    EXPECT_EQ(g._strokeWidth, 0.0);
    EXPECT_EQ(g._bounds, QRectF(0, 2, 0, 4));
    EXPECT_EQ(g._strokeColor, QColor::fromRgbF(0, 1, 0, 1));   // components held to 0 ... 1
    // Keys of the right kind still read.
    EXPECT_EQ(g.text_rotation, 33);
    EXPECT_EQ(g.double_star_type, filledGraphic(SKTGraphicClass::Shape)->double_star_type);
}

TEST_F(ArchiveTest, FontsAndPicturesOfBadShapeReadAsMissing)
{
    PlistValue p = plistOf(*filledGraphic(SKTGraphicClass::Text));
    auto font = [](const PlistValue &family, const PlistValue &size) {
        return PlistValue::dictionary({{QStringLiteral("$type"), PlistValue::string(QStringLiteral("font"))},
                                       {QStringLiteral("family"), family},
                                       {QStringLiteral("style"), PlistValue::string(QStringLiteral("Bold"))},
                                       {QStringLiteral("size"), size}});
    };
    p.insert(QStringLiteral("text_ctrl_font"), font(PlistValue::string(QString()), PlistValue::real(12)));
    p.insert(QStringLiteral("Shadow_Color"), font(PlistValue::string(QStringLiteral("DejaVu Sans")), PlistValue::real(-3)));
    const auto text = SKTGraphic::graphicsWithPasteboardData(pasteboardOf({p}));
    ASSERT_TRUE(text && text->size() == 1);
    EXPECT_TRUE(SKTIsNoFont(text->at(0)->text_ctrl_font));
    EXPECT_FALSE(text->at(0)->Shadow_Color.isValid());   // a font where a colour belongs
    EXPECT_EQ(text->at(0)->Text_Value, QStringLiteral("Grüße"));

    PlistValue q = plistOf(*filledGraphic(SKTGraphicClass::Image));
    PlistValue picture = *q.value(QStringLiteral("_contents"));
    picture.insert(QStringLiteral("width"), PlistValue::real(std::numeric_limits<double>::infinity()));
    q.insert(QStringLiteral("_contents"), picture);
    const auto image = SKTGraphic::graphicsWithPasteboardData(pasteboardOf({q}));
    ASSERT_TRUE(image && image->size() == 1);
    EXPECT_TRUE(image->at(0)->_contents.isNull());
    EXPECT_EQ(pixelOf(image->at(0)->_contents_with_settings), QColor(Qt::green));   // read on after it
}

TEST_F(ArchiveTest, PicturesAreDecodedWithinTheCaps)
{
    SKTImage::setPictureHooks({{}, [](const SKTGraphic &) { return bitmap(QSize(1, 1), Qt::blue); }});
    auto withContents = [](const QByteArray &png) {
        PlistValue p = plistOf(*filledGraphic(SKTGraphicClass::Image));
        PlistValue picture = *p.value(QStringLiteral("_contents"));
        picture.insert(QStringLiteral("png"), PlistValue::data(png));
        p.insert(QStringLiteral("_contents"), picture);
        return p;
    };
    // A header claiming 10,001 x 10,001 pixels (just over 100 megapixels) and a header of a
    // picture that does not decode: both fail the read, which keeps the object as far as read.
    for (const QByteArray &png : {archivetest::pngClaiming(10001, 10001), archivetest::pngClaiming(3, 3),
                                  QByteArray("\x89PNG\r\n\x1a\n broken", 16)}) {
        const auto pasted = SKTGraphic::graphicsWithPasteboardData(pasteboardOf({withContents(png)}));
        ASSERT_TRUE(pasted && pasted->size() == 1);
        const SKTGraphic &g = *pasted->at(0);
        EXPECT_TRUE(g._contents.isNull());
        EXPECT_EQ(pixelOf(g._contents_with_settings), QColor(Qt::blue));
        EXPECT_EQ(g._file_path, QStringLiteral("/nowhere/picture.png"));
    }
    const std::optional<ObjectArchive> tooLarge = ObjectArchive::fromPlist(withContents(archivetest::pngClaiming(10001, 10001)));
    ASSERT_TRUE(tooLarge);
    const auto *refused = std::get_if<ObjectArchive::Broken>(&tooLarge->entry(QStringLiteral("_contents"))->value);
    ASSERT_NE(refused, nullptr);
    EXPECT_TRUE(refused->reason.contains(QStringLiteral("allowed"))) << refused->reason.toStdString();
    // A header of 10,000 x 10,000 is within the cap: it is decoded (and here fails as data).
    ObjectArchiveLimits limits;
    const std::optional<ObjectArchive> read = ObjectArchive::fromPlist(withContents(archivetest::pngClaiming(10000, 10000)), &limits);
    ASSERT_TRUE(read);
    const auto *broken = std::get_if<ObjectArchive::Broken>(&read->entry(QStringLiteral("_contents"))->value);
    ASSERT_NE(broken, nullptr);
    EXPECT_FALSE(broken->reason.contains(QStringLiteral("allowed"))) << broken->reason.toStdString();
    EXPECT_FALSE(broken->reason.contains(QStringLiteral("not a readable"))) << broken->reason.toStdString();

    // One paste shares one budget of decoded pixels.
    ObjectArchiveLimits spent;
    spent.pixelsLeft = 10;
    const std::optional<ObjectArchive> over = ObjectArchive::fromPlist(plistOf(*filledGraphic(SKTGraphicClass::Image)), &spent);
    ASSERT_TRUE(over);
    EXPECT_EQ(over->entry(QStringLiteral("_contents"))->kind(), ObjectArchive::Kind::Object);   // 8 pixels
    EXPECT_EQ(over->entry(QStringLiteral("_contents_with_settings"))->kind(), ObjectArchive::Kind::Broken);
    EXPECT_EQ(spent.pixelsLeft, 2);
}

TEST_F(ArchiveTest, APasteReadsAtMostTenThousandObjects)
{
    const QList<PlistValue> objects(10003, plistOf(SKTGraphic()));
    const auto pasted = SKTGraphic::graphicsWithPasteboardData(pasteboardOf(objects));
    ASSERT_TRUE(pasted);
    EXPECT_EQ(pasted->size(), 10000);
}

// ---- Description ----------------------------------------------------------------------------------

TEST_F(ArchiveTest, PropertiesDescribeTheObjectByClass)
{
    Shape_Control shape;
    shape._bounds = QRectF(1, 2.5, 30, 40);
    shape._strokeWidth = 0.5;
    const QVariantMap p = shape.properties();
    EXPECT_EQ(p.value(QStringLiteral("bounds")).toString(), QStringLiteral("{{1, 2.5}, {30, 40}}"));
    EXPECT_EQ(p.value(QStringLiteral("drawingFill")).toInt(), 1);
    EXPECT_EQ(p.value(QStringLiteral("strokeWidth")).toDouble(), 0.5);
    const std::optional<PlistValue> fill = platform::plistFromData(p.value(QStringLiteral("fillColor")).toByteArray());
    ASSERT_TRUE(fill);
    EXPECT_EQ(*fill, ObjectArchive::colorToPlist(Qt::white));
    EXPECT_EQ(p.size(), 6);
    EXPECT_TRUE(shape.description().contains(QStringLiteral("bounds = \"{{1, 2.5}, {30, 40}}\";")));

    const auto bare = SKTGraphic::bareGraphicOfClass(SKTGraphicClass::Shape);
    EXPECT_FALSE(bare->properties().contains(QStringLiteral("fillColor")));   // no colour, no entry

    SKTLine line;
    line._bounds = QRectF(0, 0, 10, 20);
    line._pointsRight = line._pointsDown = true;
    EXPECT_EQ(line.properties().value(QStringLiteral("beginPoint")).toString(), QStringLiteral("{0, 0}"));
    EXPECT_EQ(line.properties().value(QStringLiteral("endPoint")).toString(), QStringLiteral("{10, 20}"));
    SKTImage image;
    image._isFlippedHorizontally = true;
    EXPECT_EQ(image.properties().value(QStringLiteral("flippedHorizontally")).toInt(), 1);
    EXPECT_EQ(SKTText().properties().keys(), shape.properties().keys());
}
