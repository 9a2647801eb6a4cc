// The Barcode mode's list generator, used as a user uses it: the Generate button of the value list,
// the generator's fields, boxes and radio buttons, then the records, the selection and the preview.

#include "value_list_fixture.h"

#include "core/ImageServices.h"
#include "data/Generate_List_Barcode.h"
#include "platform/Stepper.h"
#include "support/Decode.h"
#include "support/UserInput.h"

#include <QComboBox>
#include <QGroupBox>
#include <QRegularExpression>

#include <functional>

using namespace value_list_test;
using namespace value_list;

namespace {

using testsupport::pick;
using testsupport::type;

void sequence_(Generate_List_Barcode &g, const QString &from, const QString &to)
{
    type(g.from_txt, from);
    type(g.to_txt, to);
}

struct Choice {
    bool value = false, header = false, footer = false, pq = false;
    bool atEnd = false;
};

class ListGenerator : public ValueListWindow {
protected:
    Generate_List_Barcode &g = *Generate_List_Barcode::defaultInstance();

    // Code 128 takes every generated value (the first symbology, EAN-13, takes digits of a length).
    void SetUp() override
    {
        ValueListWindow::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        QComboBox *popup = bm->barcodeTypePopup;
        const int index = popup->findText(QStringLiteral("Code 128"));
        ASSERT_GE(index, 0);
        popup->setCurrentIndex(index);
        emit popup->activated(index);
    }

    // Clicks Generate and lets the user act in the generator; answers the generator's result.
    int generate(const std::function<void()> &user)
    {
        int result = -1;
        responder->onModal = [&](QDialog &dialog) {
            dialog.show();
            if (&dialog == &g) {
                ++runs;
                user();
                result = dialog.result();
            }
            return dialog.result();
        };
        bm->create_list_btn->setEnabled(true);
        bm->create_list_btn->click();
        return result;
    }
    void choose(const Choice &c)
    {
        for (auto [box, on] : {std::pair{g.chk_value, c.value}, {g.chk_header, c.header}, {g.chk_footer, c.footer},
                               {g.chk_pq, c.pq}})
            if (box->isChecked() != on)
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        pick(c.atEnd ? g.radioButton_At_End : g.radioButton_At_Start);
    }
    void sequence(const QString &from, const QString &to) { sequence_(g, from, to); }
    void ok() { QTest::mouseClick(g.ok_btn, Qt::LeftButton); }
    QList<Rec> records() const
    {
        QList<Rec> out;
        for (const ValueRecord &r : bm->ListData_barcode)
            out.append({r.value(kValue), r.value(kHeader), r.value(kFooter), r.value(kPQ)});
        return out;
    }
    static QStringList flat(const QList<Rec> &records)
    {
        QStringList out;
        for (const Rec &r : records)
            out << r.value + "|" + r.header + "|" + r.footer + "|" + r.pq;
        return out;
    }
    int runs = 0;
};

} // namespace

TEST_F(ListGenerator, ValuesGoIntoTheTickedFieldsAtStartOrAtEnd)
{
    struct Case {
        const char *name;
        int existing;
        Choice choice;
        QStringList expected;
    };
    const Case cases[] = {
        {"value at start", 3, {true, false, false, false, false},
         {"1|H0|F0|1", "2|H1|F1|1", "3|H2|F2|1", "4|||1", "5|||1"}},
        {"value at end", 3, {true, false, false, false, true},
         {"V0|H0|F0|1", "V1|H1|F1|1", "V2|H2|F2|1", "1|||1", "2|||1", "3|||1", "4|||1", "5|||1"}},
        {"empty list at start", 0, {true, false, false, false, false}, {"1|||1", "2|||1", "3|||1", "4|||1", "5|||1"}},
        {"header and footer", 2, {false, true, true, false, false},
         {"V0|1|1|1", "V1|2|2|1", "|3|3|1", "|4|4|1", "|5|5|1"}},
        {"quantity at start", 2, {false, false, false, true, false}, {"V0|H0|F0|1", "V1|H1|F1|2", "|||3", "|||4", "|||5"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        bm->ListData_barcode.clear();
        bm->Reload_List();
        fillNumbered(c.existing);
        const int shows = pleaseWait.shows;
        EXPECT_EQ(generate([&] {
                      sequence("1", "5");
                      choose(c.choice);
                      ok();
                  }),
                  1);
        EXPECT_EQ(flat(records()), c.expected);
        EXPECT_EQ(shown(0).size(), c.expected.size()) << "the table shows every record";
        EXPECT_EQ(bm->tot_row_count->text(), QStringLiteral("Total Rows : %1").arg(c.expected.size()));
        EXPECT_EQ(selection(), QList<int>{0});
        EXPECT_EQ(pleaseWait.shows, shows + 1);
        EXPECT_FALSE(pleaseWaitUp());
    }
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(ListGenerator, TheFirstRecordIsBoundIntoThePreview)
{
    fillNumbered(3);
    generate([&] {
        sequence("1", "5");
        choose({true, false, false, false, false});
        ok();
    });
    EXPECT_EQ(bm->dataText->text(), QStringLiteral("1"));
    EXPECT_EQ(bm->HeaderText->text(), QStringLiteral("H0"));
    ASSERT_TRUE(bm->barcodeImage->hasPicture());
    const testsupport::Decoded shownSymbol = testsupport::decode(bm->barcodeImage->picture().toImage(600));
    ASSERT_TRUE(shownSymbol.ok);
    EXPECT_EQ(shownSymbol.text, QStringLiteral("1"));
}

TEST_F(ListGenerator, EveryGeneratedRecordsSymbolDecodesToItsValue)
{
    struct Case {
        const char *mode;
        std::function<void(Generate_List_Barcode &)> fill;
        QStringList expected;   // empty: random values, checked by decoding only
    };
    const Case cases[] = {
        {"sequential padded", [](Generate_List_Barcode &g) {
             type(g.prefix_txt, "A-");
             type(g.from_txt, "8");
             type(g.to_txt, "12");
             QTest::mouseClick(g.manage_digit_chk, Qt::LeftButton, {}, QPoint(6, g.manage_digit_chk->height() / 2));
         },
         {"A-08", "A-09", "A-10", "A-11", "A-12"}},
        {"constant", [](Generate_List_Barcode &g) {
             pick(g.radioButton_Constant);
             type(g.value_txt, "KEEP 42");
             type(g.count_txt, "3");
         },
         {"KEEP 42", "KEEP 42", "KEEP 42"}},
        {"random", [](Generate_List_Barcode &g) {
             pick(g.radioButton_Random);
             type(g.rand_prefix_txt, "R");
             type(g.rand_length_txt, "6");
             type(g.rand_count_txt, "4");
         },
         {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.mode);
        bm->ListData_barcode.clear();
        bm->Reload_List();
        generate([&] {
            c.fill(g);
            choose({true, false, false, false, true});
            ok();
        });
        if (!c.expected.isEmpty())
            EXPECT_EQ(values(), c.expected);
        else
            for (const QString &v : values())
                EXPECT_TRUE(QRegularExpression(QStringLiteral("^R[1-9][0-9]{5}$")).match(v).hasMatch()) << qPrintable(v);
        ASSERT_FALSE(bm->ListData_barcode.isEmpty());
        bm->Take_Batch_Snapshot();
        for (int i = 0; i < bm->ListData_barcode.size(); ++i) {
            const QString value = bm->ListData_barcode.at(i).value(kValue);
            const platform::Picture picture = Increase_DPI(bm->Get_Image_From_List_Val(i), 600);
            ASSERT_FALSE(picture.isNull()) << qPrintable(value);
            const testsupport::Decoded d = testsupport::decode(picture.toImage(600));
            EXPECT_TRUE(d.ok) << qPrintable(value);
            EXPECT_EQ(d.text, value);
        }
        bm->Release_Batch_Snapshot();
    }
}

TEST_F(ListGenerator, RandomQuantitiesAreClampedTo1000)
{
    generate([&] {
        pick(g.radioButton_Random);
        type(g.rand_length_txt, "4");
        type(g.rand_count_txt, "6");
        choose({false, false, false, true, true});
        ok();
    });
    ASSERT_EQ(bm->ListData_barcode.size(), 6);
    for (const Rec &r : records())
        EXPECT_EQ(r.pq, QStringLiteral("1000"));
}

TEST_F(ListGenerator, RefusalsKeepTheGeneratorOpenAndTheListUnchanged)
{
    struct Case {
        const char *name;
        std::function<void(Generate_List_Barcode &)> fill;
        bool anyBox;
        QString message;
    };
    const Case cases[] = {
        {"no box", [](Generate_List_Barcode &g) { sequence_(g, "1", "5"); }, false,
         "Please select at least one from 'Create List Option'."},
        {"from empty", [](Generate_List_Barcode &g) { sequence_(g, "", "5"); }, true, "Please enter valid 'From' value.",
},
        {"to empty", [](Generate_List_Barcode &g) { sequence_(g, "1", ""); }, true, "Please enter valid 'To' value.",
},
        {"from not smaller", [](Generate_List_Barcode &g) { sequence_(g, "5", "5"); }, true,
         "'From' value must be smaller than 'To' value."},
        {"constant empty", [](Generate_List_Barcode &g) { pick(g.radioButton_Constant); }, true,
         "Please enter valid 'Value'."},
        {"over a million", [](Generate_List_Barcode &g) { sequence_(g, "1", "1000001"); }, true,
         "Please enter a range of at most 1000000 values."},
    };
    fillNumbered(2);
    const QStringList before = flat(records());
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        responder->alerts.clear();
        bool stayedOpen = false;
        EXPECT_EQ(generate([&] {
                      c.fill(g);
                      choose({c.anyBox, false, false, false, false});
                      ok();
                      stayedOpen = g.result() != 1 && g.isVisible();
                      QTest::mouseClick(g.cancel_btn, Qt::LeftButton);
                  }),
                  0);
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(messages(), QStringList{c.message});
        EXPECT_EQ(flat(records()), before);
    }
}

TEST_F(ListGenerator, EachOpeningStartsAfresh)
{
    generate([&] {
        pick(g.radioButton_Random);
        choose({true, true, true, true, true});
        type(g.prefix_txt, "P");
        QTest::mouseClick(g.cancel_btn, Qt::LeftButton);
    });
    EXPECT_TRUE(bm->ListData_barcode.isEmpty()) << "Cancel adds nothing";
    generate([&] {
        EXPECT_TRUE(g.radioButton_Sequntial->isChecked());
        EXPECT_TRUE(g.seq_box->isEnabled());
        EXPECT_FALSE(g.rand_box->isEnabled());
        EXPECT_FALSE(g.const_box->isEnabled());
        EXPECT_TRUE(g.prefix_txt->text().isEmpty());
        for (QCheckBox *box : {g.chk_value, g.chk_header, g.chk_footer, g.chk_pq})
            EXPECT_FALSE(box->isChecked());
        EXPECT_TRUE(g.radioButton_At_Start->isChecked());
        EXPECT_FALSE(g.radioButton_At_End->isChecked());
        EXPECT_EQ(g.count_txt->text(), QStringLiteral("1"));
        EXPECT_EQ(g.focusWidget(), g.prefix_txt);
        QTest::mouseClick(g.cancel_btn, Qt::LeftButton);
    });
    EXPECT_EQ(runs, 2);
}

TEST_F(ListGenerator, FieldLimitsAndHelpAreThoseOfTheSeriesGenerator)
{
    generate([&] {
        QApplication::setActiveWindow(&g);   // the limits apply when Tab ends the editing
        pick(g.radioButton_Constant);
        type(g.count_txt, "123456");
        QTest::keyClick(g.count_txt, Qt::Key_Tab);   // out of range: refused, the count kept
        EXPECT_EQ(g.count_txt->text(), QStringLiteral("1"));
        EXPECT_EQ(g.count_stepper->intValue(), 1);
        type(g.count_txt, "0");
        QTest::keyClick(g.count_txt, Qt::Key_Tab);
        EXPECT_EQ(g.count_txt->text(), QStringLiteral("1"));
        pick(g.radioButton_Random);
        type(g.rand_length_txt, "37");
        QTest::keyClick(g.rand_length_txt, Qt::Key_Tab);
        EXPECT_EQ(g.rand_length_txt->text(), QStringLiteral("1"));
        type(g.from_txt, "x");
        EXPECT_TRUE(g.from_txt->text().isEmpty()) << "only integers";
        pick(g.radioButton_Sequntial);
        QTest::mouseClick(g.help_btn, Qt::LeftButton);
        QTest::mouseClick(g.cancel_btn, Qt::LeftButton);
    });
    ASSERT_EQ(responder->alerts.size(), 3);   // the two refusals, then the help
    EXPECT_EQ(responder->alerts.last().message, QStringLiteral("Maintain number of Digits By adding 0's before smaller values. "));
    EXPECT_TRUE(responder->alerts.last().informative.contains(QStringLiteral("a series of barcodes having values")));
}
