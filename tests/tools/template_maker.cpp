// Makes the design templates that ship with the QR edition, through the application's own route:
// the card is set up in the Designing mode's card panel, QR codes take their payload from the
// Advanced QR mode as the canvas's QR tool does, and each design is written by "Export as
// Template" (the design file and the picture of its front). The results are then moved under
//
//   OUTDIR/<category folder>/<name>.qlf and <name>.png
//
// the layout the template galleries read. Run it with the QR edition linked:
//
//   template_maker OUTDIR
//
// Exit status: 0 done; 2 and the application's message when a template could not be made;
// 1 for usage errors.

#include "advqr/AdvQrController.h"
#include "advqr/Qr_Text_View_Panel.h"
#include "app/SKTWindowController.h"
#include "barcodemode/Barcode_Gen.h"
#include "core/Globals.h"
#include "core/Edition.h"
#include "model/DesignGlobals.h"
#include "design/DesignController.h"
#include "design/DesignCommands.h"
#include "design/PropertySidebar.h"
#include "design/panels/CardBackgroundPanel.h"
#include "design/panels/CardBorderPanel.h"
#include "design/panels/CardInfoPanel.h"
#include "model/SKTBarcode.h"
#include "model/SKTDocument.h"
#include "model/SKTGraphic.h"
#include "model/SKTText.h"
#include "model/Shape_Control.h"
#include "platform/ColorWell.h"
#include "platform/Dialogs.h"
#include "platform/Stepper.h"
#include "model/Card_Property.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextEdit>

#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

// Presses "Yes" where there is one, else the first button; cancels every panel; keeps the messages.
class MakerResponder : public platform::DialogResponder {
public:
    QStringList messages;
    int alert(const platform::AlertRequest &request) override
    {
        messages << request.message.trimmed();
        const int yes = int(request.buttons.indexOf(QStringLiteral("Yes")));
        return yes < 0 ? 0 : yes;
    }
    QStringList openPanel(const platform::OpenPanelRequest &) override { return {}; }
    QString savePanel(const platform::SavePanelRequest &) override { return {}; }
    int runModal(QDialog &) override { return 0; }
    bool openWithDefaultApplication(const QString &) override { return false; }
    QColor chooseColor(const QColor &) override { return {}; }
    std::optional<QFont> chooseFont(const QFont &) override { return std::nullopt; }
};

double mm(double millimetres) { return millimetres * 72.0 / 25.4; }

QRectF frameMM(double x, double y, double w, double h) { return {mm(x), mm(y), mm(w), mm(h)}; }

struct CardLook {
    double widthMM = 0, heightMM = 0;
    int shape = 0;                     // 0 rectangle, 1 rounded rectangle
    QColor fill = Qt::white;
    QColor gradientTo = {};            // valid: a gradient from fill to this colour
    double gradientAngle = 0;
    QColor border = {};                // valid: a border of this colour
    double borderWidth = 1;
};

class Maker {
public:
    Maker(SKTWindowController &hub, MakerResponder &responder) : hub(hub), dsg(hub.design()), responder(responder) {}

    // A fresh design: no objects, the card's size, shape, fill and border.
    void startCard(const CardLook &look)
    {
        hub.Designing_Mode_Select();
        SKTDocument &document = *hub.document();
        QList<int> all;
        for (int i = 0; i < document.graphics().size(); ++i)
            all << i;
        if (!all.isEmpty())
            document.removeGraphicsAtIndexes(all);
        objects.clear();

        Card_Shape = look.shape;
        CardInfoPanel &info = *dsg.sidebar().cardInfoPanel();
        CardBorderPanel &border = *dsg.sidebar().cardBorderPanel();
        CardBackgroundPanel &background = *dsg.sidebar().cardBackgroundPanel();
        if (QAbstractButton *shape = info.matrix_card_shape->button(look.shape))
            shape->setChecked(true);
        dsg.sidebar().Set_Card_Size_In_Control(look.widthMM, look.heightMM);
        border.Card_border_chk->setChecked(look.border.isValid());
        if (look.border.isValid()) {
            border.Card_bordr_clr->setColor(look.border);
            border.Card_bor_Stepper->setDoubleValue(look.borderWidth);
            border.Card_bor_Text->setText(QString::number(look.borderWidth));
            border.Card_border_style->setCurrentIndex(0);
        }
        background.Card_fill_chk->setChecked(true);
        background.Card_fill_clr->setColor(look.fill);
        const bool gradient = look.gradientTo.isValid();
        if (gradient) {
            background.Card_fill_Grd_1_clr->setColor(look.fill);
            background.Card_fill_Grd_2_clr->setColor(look.gradientTo);
            background.Card_grad_Stepper->setDoubleValue(look.gradientAngle);
            background.Card_grad_Text->setText(QString::number(look.gradientAngle));
        }
        background.Card_alpha_Stepper->setDoubleValue(100);
        background.Card_alpha_Text->setText(QStringLiteral("100"));
        dsg.sidebar().card_prop_set(gradient ? QStringLiteral("G") : QStringLiteral("S"));
        dsg.Update_Card_Graphics();
        dsg.sidebar().Apply_Size_Clicked();
    }

    void text(const QString &value, const QRectF &frame, double points, bool bold, const QColor &colour,
              int alignment = 0)
    {
        auto t = SKTGraphic::graphicOfClass(SKTGraphicClass::Text);
        t->_bounds = frame;
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(points);
        font.setBold(bold);
        t->text_ctrl_font = font;
        t->txt_clr = colour;
        t->text_alignmnet = alignment;
        t->text_alignmnet_Vert = 1;
        t->_isDrawingFill = false;
        t->_isDrawingStroke = false;
        t->Set_text_value(value);
        add(t);
    }

    // A rectangle (rounded: "RR"); an invalid fill leaves it unfilled, an invalid stroke unstroked.
    void shape(const QString &code, const QRectF &frame, const QColor &fill, const QColor &stroke, double strokeWidth = 1)
    {
        auto s = SKTGraphic::graphicOfClass(SKTGraphicClass::Shape);
        s->Set_Shape_Type(code);
        s->_bounds = frame;
        s->_isDrawingFill = fill.isValid();
        if (fill.isValid())
            s->_fillColor = fill;
        s->_isDrawingStroke = stroke.isValid();
        if (stroke.isValid())
            s->_strokeColor = stroke;
        s->_strokeWidth = strokeWidth;
        s->cor_rad_val = 8.0f;
        add(s);
    }

    // A QR code made as the canvas's QR tool makes it: the Advanced QR mode's type and payload.
    bool qr(const QString &type, const QString &payload, const QRectF &frame)
    {
        AdvQrController &adv = hub.advQr();
        if (!adv.Qr_Text)
            return false;
        adv.QR_Text_Clicked(type);
        if (type == QLatin1String("Text"))
            adv.Qr_Text->Text_Field->setPlainText(payload);
        else
            adv.Qr_Text->URL_Value_field->setText(payload);
        adv.Assign_QR_Value_Text_Acc_Type();
        // Just the symbol, as wide as the design's square: no header or footer line.
        if (adv.ADV_QR_hideHeaderCheckbox)
            adv.ADV_QR_hideHeaderCheckbox->setChecked(true);
        if (adv.ADV_QR_hideFooterCheckbox)
            adv.ADV_QR_hideFooterCheckbox->setChecked(true);
        if (adv.ADV_QR_HeightStepper_2D)
            adv.ADV_QR_HeightStepper_2D->setDoubleValue(std::round(frame.width()));

        auto b = SKTGraphic::graphicOfClass(SKTGraphicClass::Barcode);
        const QString value = dsg.Pass_Adv_QR_Settings(*b);
        if (value.isEmpty())
            return false;
        ++BAR_CTRL;
        b->control_ID = QStringLiteral("BAR_%1").arg(BAR_CTRL);
        b->_bounds = QRectF(frame.topLeft(), QSizeF(0, 0));
        Barcode_Gen &gen = hub.barcodeGen();
        gen.Set_Barcode_Prop_To_Control(*b, true);
        const platform::Picture picture = gen.Get_Image_From_Val(value, b->header_val, b->footer_val);
        if (picture.isNull())
            return false;
        b->Set_Barcode_image(picture);   // the picture's own size, centred in the square
        QRectF placed = b->_bounds;
        placed.moveCenter(frame.center());
        b->_bounds = placed;
        b->Set_Barcode_image_control_bounds();
        add(b);
        return true;
    }

    // Writes the design through "Export as Template" and moves both files to folder/name.
    bool exportAs(const QString &folder, const QString &name, QString &error)
    {
        SKTDocument &document = *hub.document();
        QList<int> indexes;
        for (int i = 0; i < objects.size(); ++i)
            indexes << i;
        document.insertGraphics(objects, indexes);
        hub.Set_Graphic_Array_According_Side();

        const QString user = DesignCommands::User_Template_Folder();
        QDir(user).removeRecursively();
        const qsizetype before = responder.messages.size();
        dsg.commands().Export_As_Template_Clicked();
        const QString last = responder.messages.size() > before ? responder.messages.last() : QString();
        if (last != QLatin1String("Template exported successfully.")) {
            error = last.isEmpty() ? QStringLiteral("nothing exported") : last;
            return false;
        }
        if (!QDir().mkpath(folder)) {
            error = QStringLiteral("cannot create ") + folder;
            return false;
        }
        for (const QString &ext : {design_file_EXT, QStringLiteral("png")}) {
            const QString from = user + QStringLiteral("/My_Template.") + ext;
            const QString to = folder + QLatin1Char('/') + name + QLatin1Char('.') + ext;
            QFile::remove(to);
            if (!QFile::copy(from, to)) {
                error = QStringLiteral("cannot copy %1 to %2").arg(from, to);
                return false;
            }
        }
        return true;
    }

private:
    // The document lists objects front-most first; each one added lies in front of the earlier ones,
    // as when they are drawn one after another.
    void add(const std::shared_ptr<SKTGraphic> &g) { objects.prepend(g); }

    SKTWindowController &hub;
    DesignController &dsg;
    MakerResponder &responder;
    SKTGraphicList objects;
};

} // namespace

namespace {

const QColor navy(0x1F, 0x3A, 0x5F);
const QColor red(0xC6, 0x28, 0x28);
const QColor violet(0x4A, 0x14, 0x8C);
const QColor grey(0x60, 0x60, 0x60);
const QColor none;

struct Template {
    QString folder, name;
    std::function<bool(Maker &)> build;
};

// An ID-1 card upright: a band with the company, the holder's QR code, name, role and number.
bool idBadge(Maker &m)
{
    m.startCard({53.98, 85.60, 1, Qt::white, {}, 0, {}, 1});
    m.shape(QStringLiteral("R"), frameMM(0, 0, 53.98, 15), navy, none);
    m.shape(QStringLiteral("R"), frameMM(0, 79, 53.98, 6.6), navy, none);
    m.shape(QStringLiteral("RR"), frameMM(2.5, 17.5, 48.98, 59), none, navy, 1.5);
    m.text(QStringLiteral("COMPANY NAME"), frameMM(2, 4, 49.98, 8), 9, true, Qt::white, 2);
    if (!m.qr(QStringLiteral("Text"), QStringLiteral("ID 000123"), frameMM(15.99, 20, 22, 22)))
        return false;
    m.text(QStringLiteral("Firstname Lastname"), frameMM(3, 46, 47.98, 7), 11, true, Qt::black, 2);
    m.text(QStringLiteral("Job Title"), frameMM(3, 54, 47.98, 6), 8, false, grey, 2);
    m.text(QStringLiteral("ID 000123"), frameMM(3, 62, 47.98, 6), 8, false, navy, 2);
    return true;
}

// A 4 x 6 in parcel label: sender, recipient, tracking number and its QR code.
bool shippingLabel(Maker &m)
{
    m.startCard({101.6, 152.4, 0, Qt::white, {}, 0, Qt::black, 1});
    m.text(QStringLiteral("FROM:"), frameMM(5, 5, 40, 5), 7, true, Qt::black);
    m.text(QStringLiteral("Sender Name\nStreet 1\n12345 City"), frameMM(5, 10, 70, 16), 8, false, Qt::black);
    m.shape(QStringLiteral("R"), frameMM(5, 28, 91.6, 0.6), Qt::black, none);
    m.text(QStringLiteral("SHIP TO:"), frameMM(5, 32, 40, 6), 9, true, Qt::black);
    m.text(QStringLiteral("Recipient Name\nStreet and Number\n12345 City\nCountry"), frameMM(8, 39, 88.6, 32), 13, true,
           Qt::black);
    m.shape(QStringLiteral("R"), frameMM(5, 75, 91.6, 0.6), Qt::black, none);
    m.text(QStringLiteral("TRACKING NUMBER"), frameMM(5, 80, 60, 5), 8, true, Qt::black);
    m.text(QStringLiteral("TRK 0000 0000 0000"), frameMM(5, 86, 70, 7), 11, false, Qt::black);
    if (!m.qr(QStringLiteral("Text"), QStringLiteral("TRK000000000000"), frameMM(30.8, 96, 40, 40)))
        return false;
    m.text(QStringLiteral("Weight: ____ kg"), frameMM(5, 140, 45, 6), 8, false, Qt::black);
    m.text(QStringLiteral("Parcel 1 of 1"), frameMM(51.6, 140, 45, 6), 8, false, Qt::black, 1);
    return true;
}

// A 60 x 40 mm shelf tag: offer band, product, price and a QR code to the product page.
bool priceTag(Maker &m)
{
    m.startCard({60, 40, 0, Qt::white, {}, 0, red, 1.5});
    m.shape(QStringLiteral("R"), frameMM(0, 0, 60, 9), red, none);
    m.text(QStringLiteral("SPECIAL OFFER"), frameMM(0, 1.5, 60, 6), 8, true, Qt::white, 2);
    m.text(QStringLiteral("Product Name"), frameMM(3, 11, 36, 6), 9, true, Qt::black);
    m.text(QStringLiteral("500 g  -  Item 12345"), frameMM(3, 17, 36, 5), 7, false, grey);
    m.text(QStringLiteral("$9.99"), frameMM(3, 24, 36, 12), 22, true, red);
    return m.qr(QStringLiteral("URL"), QStringLiteral("example.com/product/12345"), frameMM(40, 14, 18, 18));
}

// An ID-1 card (85.60 x 53.98 mm) with a blue gradient: club, member, number, expiry, QR code.
bool membershipCard(Maker &m)
{
    m.startCard({85.60, 53.98, 1, QColor(0x0D, 0x47, 0xA1), QColor(0x42, 0xA5, 0xF5), 0, {}, 1});
    m.text(QStringLiteral("MEMBERSHIP CARD"), frameMM(6, 5, 70, 8), 12, true, Qt::white);
    m.text(QStringLiteral("Club Name"), frameMM(6, 13, 60, 6), 8, false, Qt::white);
    m.text(QStringLiteral("Member Name"), frameMM(6, 29, 48, 7), 11, true, Qt::white);
    m.text(QStringLiteral("Member No. 000123"), frameMM(6, 37, 48, 5), 8, false, Qt::white);
    m.text(QStringLiteral("Valid until 12/2026"), frameMM(6, 43, 48, 5), 7, false, Qt::white);
    m.shape(QStringLiteral("RR"), frameMM(57, 24, 24, 24), Qt::white, none);
    return m.qr(QStringLiteral("Text"), QStringLiteral("MEMBER 000123"), frameMM(58, 25, 22, 22));
}

// A 140 x 55 mm admission ticket: the event on the left, the stub with seat and QR code on the right.
bool eventTicket(Maker &m)
{
    m.startCard({140, 55, 0, Qt::white, {}, 0, violet, 1});
    m.shape(QStringLiteral("R"), frameMM(0, 0, 100, 55), violet, none);
    m.text(QStringLiteral("EVENT NAME"), frameMM(6, 6, 88, 11), 18, true, Qt::white);
    m.text(QStringLiteral("Saturday, 12 September  -  19:30"), frameMM(6, 19, 88, 6), 9, false, Qt::white);
    m.text(QStringLiteral("Venue Name, City"), frameMM(6, 26, 88, 6), 9, false, Qt::white);
    m.text(QStringLiteral("ADMIT ONE"), frameMM(6, 43, 50, 7), 11, true, Qt::white);
    m.shape(QStringLiteral("R"), frameMM(100, 3, 0.4, 49), grey, none);
    m.text(QStringLiteral("SEAT"), frameMM(103, 4, 34, 4), 7, false, grey, 2);
    m.text(QStringLiteral("Row 5  -  Seat 12"), frameMM(103, 8, 34, 5), 8, true, Qt::black, 2);
    if (!m.qr(QStringLiteral("Text"), QStringLiteral("TICKET 000123"), frameMM(107, 15, 26, 26)))
        return false;
    m.text(QStringLiteral("No. 000123"), frameMM(103, 45, 34, 5), 7, false, grey, 2);
    return true;
}

// A 90 x 55 mm table card that sends guests to a web page.
bool followUsCard(Maker &m)
{
    m.startCard({90, 55, 1, QColor(0xFF, 0xF8, 0xE1), {}, 0, QColor(0xFF, 0x8F, 0x00), 1.5});
    m.text(QStringLiteral("Follow us"), frameMM(5, 8, 50, 10), 16, true, QColor(0xE6, 0x51, 0x00));
    m.text(QStringLiteral("Scan the code to visit\nour page and stay in touch."), frameMM(5, 20, 50, 12), 8, false,
           Qt::black);
    m.text(QStringLiteral("example.com"), frameMM(5, 40, 50, 6), 9, true, grey);
    return m.qr(QStringLiteral("URL"), QStringLiteral("example.com"), frameMM(57, 12, 28, 28));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tagora"));
    const QStringList args = QApplication::arguments().mid(1);
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: template_maker OUTDIR\n");
        return 1;
    }
    if (!ONLY_QR_MODE) {
        std::fprintf(stderr, "template_maker: templates are made in the QR edition\n");
        return 1;
    }
    auto responder = std::make_shared<MakerResponder>();
    platform::setDialogResponder(responder);
    SKTWindowController::registerWithDocuments();
    SKTDocument document;
    document.makeWindowControllers();
    SKTWindowController *hub = SKTWindowController::defaultInstance();
    if (!hub) {
        std::printf("The application could not start.\n");
        return 2;
    }
    hub->window();
    hub->Advance_QR_Mode_Select();
    Maker maker(*hub, *responder);

    const QList<Template> templates = {
        {QStringLiteral("1Popular"), QStringLiteral("Membership_Card"), membershipCard},
        {QStringLiteral("1Popular"), QStringLiteral("Price_Tag"), priceTag},
        {QStringLiteral("2Social"), QStringLiteral("Follow_Us_Card"), followUsCard},
        {QStringLiteral("3Business"), QStringLiteral("ID_Badge"), idBadge},
        {QStringLiteral("3Business"), QStringLiteral("Shipping_Label"), shippingLabel},
        {QStringLiteral("5Other"), QStringLiteral("Event_Ticket"), eventTicket},
    };
    const QString out = args[0];
    for (const Template &t : templates) {
        QString error;
        if (!t.build(maker)) {
            std::printf("%s: the QR code could not be made\n", qPrintable(t.name));
            return 2;
        }
        if (!maker.exportAs(out + QLatin1Char('/') + t.folder, t.name, error)) {
            std::printf("%s: %s\n", qPrintable(t.name), qPrintable(error));
            return 2;
        }
        std::printf("%s/%s\n", qPrintable(t.folder), qPrintable(t.name));
    }
    return 0;
}
