// The new-design wizard on its own: size page, colour page and its buttons.

#include "WizardFixture.h"

#include "design/DesignParts.h"
#include "design/DesignWorkArea.h"
#include "design/EditingCommands.h"
#include "design/PropertySidebar.h"
#include "design/panels/CardSizePanel.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"
#include "output/Print_Wnd.h"
#include "outputjobs/OutputGlobals.h"
#include "model/DesignGlobals.h"
#include "core/Edition.h"
#include "core/Mode.h"
#include "support/LocaleScope.h"
#include "support/NumberFieldSweep.h"
#include "outputjobs/LabelCatalogue.h"
#include "platform/StepperField.h"
#include "support/PageSetupAnswer.h"
#include "support/PrivateCupsd.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr double PointsPerMM = 2.834645669291;

using CardWizard = WizardFixture;

TEST_F(CardWizard, OpensOnCustomAtOneHundredMillimetres)
{
    // Whatever the last run left...
    whenWizardRuns([](Card_Wizard &w) {
        w.Label_ComboBox->setCurrentIndex(w.Label_ComboBox->findText(QStringLiteral("Avery")));
        w.OK_Click();
        w.Card_gradient_fill_rd->click();
        w.CancelClick();
    });
    EXPECT_EQ(wizard->Open_Wnd(), 0);
    // ...the next run starts on the size page with "Custom", 100 x 100 mm and the default colours.
    whenWizardRuns([](Card_Wizard &w) {
        // The QR edition opens on its template gallery, the others on the size page.
        EXPECT_EQ(w.wizard_pages->currentIndex(), ONLY_QR_MODE ? 2 : 0);
        EXPECT_EQ(w.Select_Template_OK_Btn->isHidden(), !ONLY_QR_MODE);
        EXPECT_EQ(w.radio_opt_box->isHidden(), !ONLY_QR_MODE);
        if (ONLY_QR_MODE)
            w.blank_radio_btn->click();
        EXPECT_EQ(w.wizard_pages->currentIndex(), 0);
        EXPECT_EQ(w.next_count, 0);
        EXPECT_FALSE(w.Back_btn->isEnabled());
        EXPECT_EQ(w.Label_ComboBox->currentText(), QStringLiteral("Custom"));
        EXPECT_FALSE(w.Product_num_ComboBox->isEnabled());
        EXPECT_EQ(w.Product_num_ComboBox->currentIndex(), -1);
        EXPECT_EQ(w.width_Text->text(), QStringLiteral("100.00"));
        EXPECT_EQ(w.height_Text->text(), QStringLiteral("100.00"));
        EXPECT_FALSE(w.width_Text->isReadOnly());
        EXPECT_EQ(w.card_name->text(), QStringLiteral("Untitled"));
        EXPECT_TRUE(w.Card_solid_fill_rd->isChecked());
        EXPECT_EQ(w.Card_fill_clr->color(), QColor(Qt::white));
        EXPECT_EQ(w.Card_bordr_clr->color(), QColor(Qt::black));
        EXPECT_EQ(w.Card_bor_Text->text(), QStringLiteral("1"));
        EXPECT_EQ(w.Card_alpha_Text->text(), QStringLiteral("100"));
        EXPECT_FALSE(w.Card_image_box->isEnabled());
        EXPECT_TRUE(w.Wizard_ok.isEmpty());
        w.Back_Click();               // Back on the size page ends the run with 0
    });
    EXPECT_EQ(wizard->Open_Wnd(), 0);
    EXPECT_EQ(wizardRuns, 2);
}

TEST_F(CardWizard, AVendorLocksTheSizeAndCustomUnlocksIt)
{
    wizard->Label_ComboBox->setCurrentIndex(vendorIndex(wizard->Label_ComboBox, QStringLiteral("A4 Sheets")));
    EXPECT_TRUE(wizard->width_Text->isReadOnly());
    EXPECT_FALSE(wizard->width_Stepper->isEnabled());
    EXPECT_FALSE(wizard->page_frm_printer_btn->isEnabled());
    EXPECT_TRUE(wizard->Product_num_ComboBox->isEnabled());
    ASSERT_GT(wizard->Product_num_ComboBox->count(), 1);
    EXPECT_EQ(wizard->Product_num_ComboBox->currentIndex(), 0);
    EXPECT_EQ(wizard->Product_num_ComboBox->count(), qsizetype(wizard->prod_list.size()));
    EXPECT_EQ(wizard->width_Text->text(), QStringLiteral("199.60"));
    EXPECT_EQ(wizard->height_Text->text(), QStringLiteral("289.10"));
    // Another product of the list; a catalogue in inches arrives in millimetres.
    wizard->Product_num_ComboBox->setCurrentIndex(wizard->Product_num_ComboBox->findText(QStringLiteral("A4-21")));
    EXPECT_EQ(wizard->width_Text->text(), QStringLiteral("70.00"));
    EXPECT_DOUBLE_EQ(wizard->height_Stepper->doubleValue(), 42.3);
    wizard->Label_ComboBox->setCurrentIndex(vendorIndex(wizard->Label_ComboBox, QStringLiteral("Avery")));
    EXPECT_EQ(wizard->Product_num_ComboBox->currentText(), QStringLiteral("5160"));
    EXPECT_EQ(wizard->width_Text->text(), QStringLiteral("66.67"));   // 2.625 in
    EXPECT_EQ(wizard->height_Text->text(), QStringLiteral("25.40"));

    wizard->Label_ComboBox->setCurrentIndex(0);
    EXPECT_FALSE(wizard->width_Text->isReadOnly());
    EXPECT_TRUE(wizard->width_Stepper->isEnabled());
    EXPECT_FALSE(wizard->Product_num_ComboBox->isEnabled());
    EXPECT_EQ(wizard->Product_num_ComboBox->count(), 1);
    EXPECT_EQ(wizard->width_Text->text(), QStringLiteral("100.00"));
    EXPECT_EQ(wizard->height_Stepper->doubleValue(), 100.0);
}

// Every shipped product in every locale: the size fields read back its size (to the hundredth they show), and Finish
// makes the card of that size.
TEST_F(CardWizard, EveryStockProductMakesItsCardInEveryLocale)
{
    QStringList wrong;
    for (const char *locale : {"C", "en_US", "de_DE", "ar_EG", "fa_IR"}) {
        LocaleScope scope(locale);
        for (int vendor = 1; vendor < wizard->Label_ComboBox->count(); ++vendor)
            for (int p = 0; p < (wizard->Label_ComboBox->setCurrentIndex(vendor), wizard->Product_num_ComboBox->count()); ++p) {
                QSizeF product, read;
                whenWizardRuns([&](Card_Wizard &w) {
                    w.Label_ComboBox->setCurrentIndex(vendor), w.Product_num_ComboBox->setCurrentIndex(p);
                    const auto l = labelstock::Predefined_Layout(w.prod_list.at(size_t(p)), nullptr);
                    product = QSizeF(l.labelWidth, l.labelHeight);
                    read = QSizeF(platform::fieldValue(w.width_Text), platform::fieldValue(w.height_Text));
                    w.Next_btn->click(), w.Next_btn->click();   // Finish
                });
                const int made = wizard->Open_Wnd();
                const QSizeF canvas = workAreaOf(design()).canvasFrameSize / PointsPerMM, off = read - product, drawn = canvas - read;
                if (made != 1 || std::max(std::abs(off.width()), std::abs(off.height())) > 0.0051
                    || std::max(std::abs(drawn.width()), std::abs(drawn.height())) > 1e-3)
                    wrong << QStringLiteral("%1 %2: made %3, fields %4 x %5, card %6 x %7 mm").arg(locale, wizard->Product_num_ComboBox->itemText(p))
                                 .arg(made).arg(read.width()).arg(read.height()).arg(canvas.width()).arg(canvas.height());
            }
    }
    EXPECT_EQ(wrong.join('\n').toStdString(), "");
}

// Typed key by key in every locale into each size field (the wizard's, the card size panel's, a custom product's,
// and its margins): a number in range is taken; else the field's message, the value kept. ar_EG's digits type only there.
TEST_F(CardWizard, SizeFieldsKeepOnlyTheNumber)
{
    enum Outcome { Taken, Unreadable, Range, Below, Untyped };
    CardSizePanel *panel = sidebarOf(design()).cardSizePanel();
    Print_Wnd *print = Print_Wnd::defaultInstance();
    cus_or_pre = QStringLiteral("C");
    Manual_or_Pre = 1;
    print->Refresh_And_Reload_Product_Number_Combo(QString());
    print->Read_Selected_Product_Label_Value();   // the seeded product, on A4
    const QString cut = QStringLiteral("0.10 to 10000.00"), zero = QStringLiteral("Please enter a label %1 greater than 0 mm.");
    const std::tuple<QLineEdit *, QString, QString, QString> fields[] = {
        {wizard->width_Text, "label width", cut, {}}, {wizard->height_Text, "label height", cut, {}},
        {panel->width_Text, "label width", "0.10 to 100000.00", {}}, {panel->height_Text, "label height", "0.10 to 100000.00", {}},
        {print->width_Text_pre, "label width", cut, zero.arg("width")}, {print->height_Text_pre, "label height", cut, zero.arg("height")},
        {print->left_mar_pre, "left margin", "0.00 to 210.00", "Please enter a left margin of 0 mm or more."},
        {print->top_mar_pre, "top margin", "0.00 to 297.00", "Please enter a top margin of 0 mm or more."}};
    for (const std::string locale : {"C", "de_DE", "ar_EG", "fa_IR"}) {
        LocaleScope scope(locale.c_str());
        const std::tuple<QString, Outcome, double> rows[] = {
            {"101.6", Taken, 101.6}, {"101,6", Taken, 101.6}, {"12.5", Taken, 12.5}, {"12,5", Taken, 12.5}, {"0,5", Taken, 0.5},
            {"١٢٫٥", locale == "ar_EG" ? Taken : locale == "fa_IR" ? Unreadable : Untyped, 12.5}, {"1.234,5", Unreadable, 0},
            {"1,234.5", Unreadable, 0}, {"1e1", Unreadable, 0}, {QString(40, QLatin1Char('9')), Range, 0}, {"-2,5", Below, 0}};
        for (const auto &[field, what, range, below] : fields)
            for (const auto &[typed, outcome, taken] : rows) {
                const double before = platform::fieldValue(field);
                responder->alerts.clear();
                field->selectAll();   // typed over key by key in any script (QTest::keyClicks sends Latin-1)
                for (const QChar c : typed)
                    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
                QTest::keyClick(field, Qt::Key_Return);
                const QString beyond = QStringLiteral("Please enter a %1 from %2 mm.").arg(what, range);
                const QString said[] = {{}, QStringLiteral("Please enter the %1 as a number, such as 12.5.").arg(what), beyond,
                                        below.isEmpty() ? beyond : below, {}};
                const QString now = messages().join('|') + " | " + QString::number(platform::fieldValue(field));
                EXPECT_EQ(now.toStdString(), (said[outcome] + " | " + QString::number(outcome == Taken ? taken : before)).toStdString())
                    << locale << ' ' << qPrintable(field->window()->objectName()) << ' ' << qPrintable(what) << ' ' << qPrintable(typed);
            }
    }
    // The colour page's whole numbers typed in ar_EG, made whole as the card keeps them (border and opacity rounded,
    // the angle cut), or the field's message and the value kept.
    LocaleScope arabic("ar_EG");
    Card_Wizard &c = *wizard;
    const std::tuple<QLineEdit *, platform::Stepper *, QString, QString, QString> colourRows[] = {
        {c.Card_bor_Text, c.Card_bor_Stepper, "2,5", "3", ""}, {c.Card_grad_Text, c.Card_grad_Stepper, "12,9", "12", ""},
        {c.Card_alpha_Text, c.Card_alpha_Stepper, QString::fromUtf8("٥٠٫٤"), "50", ""}, {c.Card_alpha_Text, c.Card_alpha_Stepper, "0", "1", ""},
        {c.Card_bor_Text, c.Card_bor_Stepper, "1e1", "5", "Please enter the border width as a whole number, such as 12."},
        {c.Card_grad_Text, c.Card_grad_Stepper, "361", "5", "Please enter a gradient angle from 0 to 360 degrees."}};
    for (const auto &[field, stepper, typed, shown, said] : colourRows) {
        field->setText("5"), stepper->setDoubleValue(5);
        const QString got = testsupport::typeAndEnd(*responder, field, field, typed, 'R');
        EXPECT_EQ(QString("%1 %2 %3").arg(field->text()).arg(stepper->doubleValue()).arg(got), shown + ' ' + shown + ' ' + said) << typed.toStdString();
    }
    for (const auto &[field, stepper] : {std::pair{c.Card_bor_Text, c.Card_bor_Stepper}, std::pair{c.Card_grad_Text, c.Card_grad_Stepper},
                                         std::pair{c.Card_alpha_Text, c.Card_alpha_Stepper}, std::pair{c.width_Text, c.width_Stepper}}) {
        const QString said = testsupport::typeAndEnd(*responder, field, field, "7", 'S', nullptr, stepper);   // an arrow steps from what was typed
        EXPECT_EQ(said + field->text(), field == c.width_Text ? platform::localePairValue(8, platform::PairFormat::TwoDecimals) : "8") << field->objectName().toStdString();
    }
    // Typed key by key into the field, as the user does.
    wizard->width_Text->clear();
    QTest::keyClicks(wizard->width_Text, QStringLiteral("abc12.5mm"));
    EXPECT_EQ(wizard->width_Text->text(), QStringLiteral("12.5"));
    wizard->width_Text->setText(QStringLiteral("12.5"));
    wizard->controlTextDidEndEditing(wizard->width_Text);
    EXPECT_EQ(wizard->width_Text->text(), platform::localePairValue(12.5, platform::PairFormat::TwoDecimals));   // as the locale writes it
    EXPECT_DOUBLE_EQ(wizard->width_Stepper->doubleValue(), 12.5);
    // The stepper writes its field.
    wizard->width_Stepper->stepUp();
    EXPECT_EQ(wizard->width_Text->text(), platform::localePairValue(13.5, platform::PairFormat::TwoDecimals));
}

TEST_F(CardWizard, BackKeepsTheSizeAndFinishAppliesIt)
{
    whenWizardRuns([](Card_Wizard &w) {
        w.width_Text->setText(QStringLiteral("54"));
        w.height_Text->setText(QStringLiteral("86"));
        w.Next_btn->click();
        EXPECT_EQ(w.wizard_pages->currentIndex(), 1);
        EXPECT_FALSE(w.open_log_btn->isVisibleTo(&w));
        EXPECT_TRUE(w.Back_btn->isEnabled());
        w.Back_btn->click();
        EXPECT_EQ(w.wizard_pages->currentIndex(), 0);
        EXPECT_EQ(w.next_count, 0);
        EXPECT_EQ(w.width_Text->text(), QStringLiteral("54.00"));
        EXPECT_EQ(w.height_Text->text(), QStringLiteral("86.00"));
        w.Next_btn->click();
        w.Next_btn->click();   // Finish
    });
    EXPECT_EQ(wizard->Open_Wnd(), 1);
    EXPECT_NEAR(workAreaOf(design()).canvasFrameSize.width(), 54 * PointsPerMM, 1e-3);
    EXPECT_NEAR(workAreaOf(design()).canvasFrameSize.height(), 86 * PointsPerMM, 1e-3);
    EXPECT_EQ(Selected_Template_Path, QStringLiteral(""));
}

TEST_F(CardWizard, FinishingWithAGradientClearsTheOtherFills)
{
    whenWizardRuns([](Card_Wizard &w) {
        w.OK_Click();
        w.Card_fill_clr->setColor(Qt::red);
        w.Card_Image_path->setPlainText(QStringLiteral("/some/picture.png"));
        w.Card_Style_fill_rd->click();
        w.Card_hatch_bk_clr->setColor(Qt::blue);
        w.Card_hatch_style->setCurrentIndex(w.Card_hatch_style->count() - 1);
        w.Card_gradient_fill_rd->click();
        // The gradient's own controls are on, the opacity is hidden.
        EXPECT_TRUE(w.Card_fill_Grd_1_clr->isEnabled());
        EXPECT_FALSE(w.Card_fill_clr->isEnabled());
        EXPECT_FALSE(w.Card_hatch_style->isEnabled());
        EXPECT_TRUE(w.Card_alpha_Stepper->isHidden());
        w.Card_fill_Grd_1_clr->setColor(Qt::green);
        w.Card_grad_Stepper->setDoubleValue(45);
        w.OK_Click();
    });
    ASSERT_EQ(wizard->Open_Wnd(), 1);
    EXPECT_EQ(wizard->Card_fill_clr->color(), QColor(Qt::white));
    EXPECT_TRUE(wizard->Card_Image_path->toPlainText().isEmpty());
    EXPECT_EQ(wizard->Card_hatch_bk_clr->color(), QColor(Qt::white));
    EXPECT_EQ(wizard->Card_hatch_style->currentIndex(), 0);
    EXPECT_EQ(wizard->Card_fill_Grd_1_clr->color(), QColor(Qt::green));
    EXPECT_EQ(wizard->Card_grad_Stepper->doubleValue(), 45.0);
}

TEST_F(CardWizard, FillKindsEnableTheirOwnControls)
{
    struct Case {
        QRadioButton *Card_Wizard::*radio;
        bool colour, gradient, hatch, image, opacity;
    };
    const Case cases[] = {{&Card_Wizard::Card_solid_fill_rd, true, false, false, false, true},
                          {&Card_Wizard::Card_gradient_fill_rd, false, true, false, false, false},
                          {&Card_Wizard::Card_Style_fill_rd, false, false, true, false, true},
                          {&Card_Wizard::Card_Image_fill_rd, false, false, false, true, false}};
    for (const Case &k : cases) {
        (wizard->*k.radio)->click();
        SCOPED_TRACE((wizard->*k.radio)->objectName().toStdString());
        EXPECT_TRUE((wizard->*k.radio)->isChecked());
        EXPECT_EQ(wizard->Card_fill_clr->isEnabled(), k.colour);
        EXPECT_EQ(wizard->Card_fill_Grd_2_clr->isEnabled(), k.gradient);
        EXPECT_EQ(wizard->Card_grad_Text->isEnabled(), k.gradient);
        EXPECT_EQ(wizard->Card_hatch_style->isEnabled(), k.hatch);
        EXPECT_EQ(wizard->Card_hatch_bk_clr->isEnabled(), k.hatch);
        EXPECT_EQ(wizard->Card_image_box->isEnabled(), k.image);
        EXPECT_EQ(!wizard->Card_alpha_Text->isHidden(), k.opacity);
    }
    // The border box follows its check box; the shape matrix sets the card shape.
    wizard->Card_border_chk->click();
    EXPECT_FALSE(wizard->Card_Border_Box->isEnabled());
    wizard->matrix_card_shape->button(2)->click();
    EXPECT_EQ(Card_Shape, 2);
    wizard->CancelClick();
    EXPECT_EQ(Card_Shape, 0);
    // The hatch patterns are the resource's pattern files, by name.
    ASSERT_GT(wizard->Card_hatch_style->count(), 0);
    EXPECT_EQ(wizard->Card_hatch_style->itemText(0), QStringLiteral("Backslash"));
}

TEST_F(CardWizard, AProductWithoutALabelSizeShowsZeroAndFinishesAtATenthOfAMillimetre)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Empty.xml"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(R"(<catalog><product productID="E" units="mm"><sheet width="210" height="297"/></product></catalog>)");
    f.close();
    whenWizardRuns([path](Card_Wizard &w) {
        w.Product_num_ComboBox->clear();
        w.Read_XML_File(path, QString(), QString(), false);
        w.Product_num_ComboBox->setCurrentIndex(0);
        w.Read_Selected_Product_Label_Value();
        EXPECT_EQ(w.width_Text->text(), QStringLiteral("0.00"));
        EXPECT_EQ(w.height_Text->text(), QStringLiteral("0.00"));
        w.OK_Click();
        w.OK_Click();
    });
    ASSERT_EQ(wizard->Open_Wnd(), 1);
    EXPECT_NEAR(workAreaOf(design()).canvasFrameSize.width(), 0.1 * PointsPerMM, 1e-4);
    EXPECT_NEAR(workAreaOf(design()).canvasFrameSize.height(), 0.1 * PointsPerMM, 1e-4);
}

// The paper chosen, also another than the page's on a desk printer of the page setup whose margins
// (36 pt) are above the page's (18), shown as the fields show numbers (under de_DE too).
TEST_F(CardWizard, PageFromPrinterGivesThePaperInMillimetres)
{
    whenWizardRuns([](Card_Wizard &) {});
    // Cancelling the panel changes nothing.
    other = [](QDialog &) { return int(QDialog::Rejected); };
    wizard->width_Text->setText(QStringLiteral("5.00"));
    wizard->Page_From_Printer_Click();
    EXPECT_EQ(wizard->width_Text->text(), QStringLiteral("5.00"));
    printtest::PrivateCupsd cupsd;
    for (const auto &[printer, paper, mm, locale] :
         {std::tuple{"", QPageSize::A4, QSizeF(210, 297), "C"}, {"Desk_36", QPageSize::A5, QSizeF(148, 210), "de_DE"}}) {
        const LocaleScope scope(locale);
        if (*printer && !cupsd.addQueues({{printer, "36"}}))
            GTEST_SKIP() << cupsd.failure().toStdString();
        projects().host().setPrintInfo({QString::fromLatin1(printer), QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                                                                  QMarginsF(18, 18, 18, 18), QPageLayout::Point)});
        other = [paper = paper](QDialog &d) {
            return qobject_cast<QPageSetupDialog *>(&d) ? testsupport::PageSetupAnswer{QPageSize(paper)}(d) : 0;
        };
        wizard->Page_From_Printer_Click();
        EXPECT_NEAR(wizard->width_Stepper->doubleValue(), mm.width(), 0.1);
        EXPECT_NEAR(wizard->height_Stepper->doubleValue(), mm.height(), 0.1);
        EXPECT_EQ((wizard->width_Text->text() + " " + wizard->height_Text->text()).toStdString(),
                  QLocale().toString(mm.width(), 'f', 2).append(" ").append(QLocale().toString(mm.height(), 'f', 2)).toStdString());
        ASSERT_NE(projects().host().getPrintInfo(), nullptr);
        EXPECT_EQ(projects().host().getPrintInfo()->pageLayout.pageSize().id(), paper);
    }
}

TEST_F(CardWizard, OpeningAProjectThatCannotBeReadKeepsTheWizardOpen)
{
    Barcode_Setting_Or_Designing_Mode = 1;
    responder->openAnswers = {{QStringLiteral("/nowhere/project.qbf")}};
    whenWizardRuns([](Card_Wizard &w) {
        w.open_log_btn->click();
        EXPECT_EQ(w.result(), -1);   // still running
        EXPECT_TRUE(w.Wizard_ok.isEmpty());
        w.CancelClick();
    });
    EXPECT_EQ(wizard->Open_Wnd(), 0);
    EXPECT_EQ(Start_Card_Option, QStringLiteral("L"));
    EXPECT_TRUE(messages().contains(QStringLiteral("File cannot be opened. Selected File is corrupt or invalid.")));
    ASSERT_EQ(responder->openRequests.size(), 1);
    EXPECT_EQ(responder->openRequests.at(0).extensions, (QStringList{QStringLiteral("qbf"), QStringLiteral("qlf")}));
    // The undo history holds the design as it is, with nothing to undo or redo.
    EXPECT_EQ(Ucontrol.size(), 1);
    EXPECT_TRUE(Rcontrol.isEmpty());
    EXPECT_FALSE(editingOf(design()).Undo_btn->isEnabled());
}

} // namespace
