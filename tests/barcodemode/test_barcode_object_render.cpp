// Barcode objects rendered from their stored settings: 200 objects of every symbology with random
// values, sizes, fonts, colours, margins, flags and resolutions. Each render is the dialog's
// preview of the same object pixel for pixel at 600 DPI, in whichever order the objects come (no
// setting of one object leaks into the next), and every symbology zxing reads decodes to its value.

#include "barcode_gen_fixture.h"

#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeEditorForm.h"
#include "engines/Symbologies.h"
#include "support/Decode.h"
#include "support/Rng.h"

#include <QTemporaryDir>

#include <random>

using namespace barcode_gen_test;

namespace {

using testsupport::Rng;

// A value the symbology takes, and how zxing names and reads it ("" where zxing has no reader).
struct Value {
    QString text;
    QString format;
    bool fullAscii = false;
    bool checkDigitAdded = false;
};

Value valueFor(const QString &title, Rng &r)
{
    const QString upper = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    if (title == QLatin1String("Code 39"))
        return {QStringLiteral("TAG-") + r.digits(r.between(2, 8)), QStringLiteral("Code39")};
    if (title == QLatin1String("Extended Code 39"))
        return {QStringLiteral("Tag ext ") + r.digits(r.between(1, 5)), QStringLiteral("Code39"), true};
    if (title == QLatin1String("Interleaved 2 of 5"))
        return {r.digits(2 * r.between(3, 6)), QStringLiteral("ITF")};   // zxing reads 6 digits and more
    if (title == QLatin1String("UPCA"))
        return {r.digits(11), QStringLiteral("UPCA"), false, true};
    if (title == QLatin1String("PostNet"))
        return {r.digits(r.chance(50) ? 5 : 9), QString()};
    if (title == QLatin1String("Modified Plessey") || title == QLatin1String("Industrial 2 of 5"))
        return {r.digits(r.between(3, 10)), QString()};
    if (title == QLatin1String("Modified Plessey (Hex)"))
        return {r.from(QStringLiteral("0123456789ABCDEF"), r.between(3, 8)), QString()};
    if (title == QLatin1String("EAN-13"))
        return {r.digits(12), QStringLiteral("EAN13"), false, true};
    if (title == QLatin1String("Code 128"))
        return {QStringLiteral("Tagora ") + r.digits(r.between(1, 9)), QStringLiteral("Code128")};
    if (title == QLatin1String("Code 128 SET A"))
        return {QStringLiteral("SET A ") + r.from(upper, r.between(2, 6)), QStringLiteral("Code128")};
    if (title == QLatin1String("Code 128 SET B"))
        return {QStringLiteral("Set b ") + r.digits(r.between(1, 6)), QStringLiteral("Code128")};
    if (title == QLatin1String("Code 128 SET C"))
        return {r.digits(2 * r.between(2, 7)), QStringLiteral("Code128")};
    if (title == QLatin1String("Codabar"))
        return {QStringLiteral("A") + r.digits(r.between(3, 10)) + QStringLiteral("B"), QStringLiteral("Codabar"), true};
    if (title == QLatin1String("UPCE"))
        return {QStringLiteral("0") + r.digits(6), QStringLiteral("UPCE"), false, true};
    if (title == QLatin1String("EAN-8"))
        return {r.digits(7), QStringLiteral("EAN8"), false, true};
    if (title == QLatin1String("Royal Mail Barcode (RM4SCC / CBC)"))
        return {r.from(upper, r.between(5, 9)), QString()};
    if (title == QLatin1String("Planet"))
        return {r.digits(11), QString()};
    if (title == QLatin1String("Japan Post Barcode"))
        return {r.digits(7) + (r.chance(50) ? QStringLiteral("-") + r.digits(3) : QString()), QString()};
    if (title == QLatin1String("QR Code"))
        return {QStringLiteral("Tagora QR ") + r.from(upper, r.between(1, 40)), QStringLiteral("QRCode")};
    if (title == QLatin1String("PDF417"))
        return {QStringLiteral("Tagora PDF ") + r.digits(r.between(1, 12)), QStringLiteral("PDF417")};
    return {QStringLiteral("Tagora DM ") + r.digits(r.between(1, 20)), QStringLiteral("DataMatrix")};
}

struct Case {
    std::shared_ptr<SKTGraphic> object;
    Value value;
};

QFont randomFont(Rng &r)
{
    static const char *const families[] = {"DejaVu Sans", "DejaVu Serif", "DejaVu Sans Mono"};
    QFont font(QString::fromLatin1(families[r.between(0, 2)]));
    font.setPointSizeF(r.between(12, 28) / 2.0);
    font.setBold(r.chance(30));
    return font;
}

QList<Case> makeCases(const QString &logoPath)
{
    Rng r(20240611);
    const QStringList titles = Symbologies::allTitles();
    const int dpiItems = int(barcode_editor_items::dpiItems().size());
    QList<Case> cases;
    for (int i = 0; i < 200; ++i) {
        const int index = i % int(titles.size());
        const QString title = titles.at(index);
        auto o = std::make_shared<SKTBarcode>();
        o->control_ID = QStringLiteral("BAR_%1").arg(i + 1);
        o->barcode_font_index = index;
        o->linear_or_2d = Symbologies::isTwoD(title) ? 1 : 0;
        const Value v = valueFor(title, r);
        o->linear_font_val = o->linear_or_2d ? QStringLiteral("unused") : v.text;
        o->two_d_font_val = o->linear_or_2d ? v.text : QStringLiteral("unused");
        o->header_val = r.chance(80) ? QStringLiteral("Header %1").arg(i) : QString();
        o->footer_val = r.chance(80) ? QStringLiteral("Footer %1 text").arg(r.digits(3)) : QString();
        o->show_hide_hdr = r.chance(20);
        o->show_hide_ftr = r.chance(20);
        o->show_hide_val = r.chance(20);
        o->show_val_on_top = r.chance(25);
        o->align_hdr_index = r.between(0, 2);
        o->align_ftr_index = r.between(0, 2);
        o->linear_height_val = r.real(9, 25);
        o->linear_width_val = r.real(10, 30);
        // Half the versions need more modules than the size gives: the version raises the size.
        o->qr_size_val = r.between(30, 120);
        o->qr_version_index = r.chance(30) ? 0 : r.between(1, 20);
        o->qr_ec_index = r.between(0, 3);
        o->pdf_wdt_val = r.between(120, 240);
        o->pdf_hgt_val = r.between(15, 40);
        o->pdf_ec_val = r.between(1, 4);
        o->dm_module_val = r.between(1, 4);
        o->dm_format_index = r.chance(70) ? 0 : r.between(12, 24);   // Auto, or a square of 40 modules or more
        o->dm_encoding_index = r.between(0, 1);
        o->hdr_margin_val = r.real(0, 3);
        o->ftr_margin_val = r.real(0, 3);
        o->val_margin_val = r.real(0, 3);
        o->TB_marging_val = r.real(0, 4);
        o->LR_margin_val = r.real(0, 4);
        o->value_font_val = randomFont(r);
        o->header_font_val = randomFont(r);
        o->footer_font_val = randomFont(r);
        o->barcode_clr_val = r.dark();
        o->barcode_back_clr_val = r.light();
        o->barcode_val_clr_val = r.dark();
        o->barcode_hdr_clr_val = r.dark();
        o->barcode_ftr_clr_val = r.dark();
        o->_isDrawingFill = r.chance(20);
        o->dpi_val_index = r.between(0, dpiItems - 1);
        o->dpi_custom_val = QString::number(r.between(100, 700));
        if (title == QLatin1String("QR Code") && r.chance(50)) {
            o->USE_QR_LOGO = true;
            o->USE_QR_LOGO_PATH = logoPath;
            o->qr_ec_index = 3;
        }
        cases.append({o, v});
    }
    return cases;
}

QString valueOf(const SKTGraphic &o) { return o.linear_or_2d ? o.two_d_font_val : o.linear_font_val; }

} // namespace

TEST_F(BarcodeGenWindow, RendersFromStoredSettingsAreTheDialogsPreviewInAnyOrder)
{
    QTemporaryDir dir;
    const QString logo = dir.filePath(QStringLiteral("logo.png"));
    QImage logoImage(120, 80, QImage::Format_RGB32);
    logoImage.fill(QColor(200, 30, 30));
    ASSERT_TRUE(logoImage.save(logo));
    const QList<Case> cases = makeCases(logo);

    // Forwards, then backwards: each object is rendered as the canvas renders it (right after the
    // dialog had the object before it), then opened in the dialog.
    QList<QImage> renders[2], previews[2];
    for (int pass = 0; pass < 2; ++pass) {
        renders[pass].resize(cases.size());
        previews[pass].resize(cases.size());
        for (int k = 0; k < cases.size(); ++k) {
            const int i = pass == 0 ? k : int(cases.size()) - 1 - k;
            const SKTGraphic &o = *cases.at(i).object;
            g->Set_Barcode_Prop_To_Control(o, i % 2 == 0);
            renders[pass][i] = at600(g->Get_Image_From_Val(valueOf(o), o.header_val, o.footer_val));
            open(cases.at(i).object, [&](Barcode_Gen &w) {
                previews[pass][i] = at600(w.barcodeImage->picture());
                w.Cancel_Btn_Clicked();
            });
        }
        c->Set_Logo_Item_List_EMPTY();
    }

    int decoded = 0;
    for (int i = 0; i < cases.size(); ++i) {
        const Case &k = cases.at(i);
        const QString title = Symbologies::titleAt(k.object->barcode_font_index);
        SCOPED_TRACE(QStringLiteral("object %1, %2, \"%3\"").arg(i).arg(title, k.value.text).toStdString());
        ASSERT_FALSE(renders[0][i].isNull());
        EXPECT_EQ(renders[0][i].size(), previews[0][i].size());
        EXPECT_TRUE(renders[0][i] == previews[0][i]);
        EXPECT_TRUE(renders[1][i] == renders[0][i]);
        EXPECT_TRUE(previews[1][i] == previews[0][i]);
        if (k.value.format.isEmpty() || k.object->USE_QR_LOGO)
            continue;
        const testsupport::Decoded d = testsupport::decode(onWhite(renders[0][i]), k.value.format, k.value.fullAscii);
        EXPECT_TRUE(d.ok);
        if (!d.ok) { onWhite(renders[0][i]).save(QStringLiteral("/tmp/x/fail_%1.png").arg(i)); continue; }
        if (k.value.checkDigitAdded) {
            EXPECT_EQ(d.text.size(), k.value.text.size() + 1);
            EXPECT_TRUE(d.text.startsWith(k.value.text)) << qPrintable(d.text);
        } else {
            EXPECT_EQ(d.text, k.value.text);
        }
        ++decoded;
    }
    EXPECT_GT(decoded, 120);
}
