// The edit-row sheet of the value list: opened by a double click on one record, OK writes the
// record back through the replacement rule, Cancel leaves it; the print-quantity field's limit.

#include "value_list_fixture.h"

#include "data/Update_List_Details.h"
#include "support/LocaleScope.h"

using namespace value_list_test;
using namespace value_list;

namespace {

struct SheetSeen {
    QString value, header, footer, pq, row;
    bool visibleRow = true;
};

SheetSeen read(const Update_List_Details &sheet)
{
    return {sheet.m_bar_value_str->text(), sheet.m_bar_hdr_str->text(), sheet.m_bar_ftr_str->text(),
            sheet.m_bar_pq_str->text(),   sheet.m_s_indx_str->text(),   !sheet.m_s_indx_str->isHidden()};
}

void retype(QLineEdit *field, const QString &text)
{
    field->selectAll();
    field->del();
    QTest::keyClicks(field, text);
}

} // namespace

TEST_F(ValueListWindow, OkWritesTheEditedRecordBackAndBindsIt)
{
    fill({{QStringLiteral("V0"), QStringLiteral("H0"), QStringLiteral("F0"), QStringLiteral("1")},
          {QStringLiteral("V1"), QStringLiteral("H1"), QStringLiteral("F1"), QStringLiteral("0005")}});
    SheetSeen seen;
    responder->onModal = [&](QDialog &dialog) {
        auto &sheet = dynamic_cast<Update_List_Details &>(dialog);
        seen = read(sheet);
        retype(sheet.m_bar_value_str, QStringLiteral("  5901234123457 "));
        retype(sheet.m_bar_hdr_str, QStringLiteral("New header"));
        retype(sheet.m_bar_pq_str, QStringLiteral("1500"));
        EXPECT_EQ(sheet.m_bar_pq_str->text(), QStringLiteral("1500"));   // kept as typed, refused at OK
        retype(sheet.m_bar_pq_str, QStringLiteral("1000"));
        QTest::mouseClick(sheet.okButton, Qt::LeftButton);
        return dialog.result();
    };
    doubleClickRow(1);
    EXPECT_EQ(responder->modalCount, 1);
    EXPECT_EQ(seen.value, QStringLiteral("V1"));
    EXPECT_EQ(seen.header, QStringLiteral("H1"));
    EXPECT_EQ(seen.footer, QStringLiteral("F1"));
    EXPECT_EQ(seen.pq, QStringLiteral("0005"));
    EXPECT_EQ(seen.row, QStringLiteral("1"));
    EXPECT_FALSE(seen.visibleRow);
    EXPECT_EQ(bm->ListData_barcode.at(1),
              (ValueRecord{{kValue, "5901234123457"}, {kHeader, "New header"}, {kFooter, "F1"}, {kPQ, "1000"}}));
    EXPECT_EQ(shown(0).at(1), QStringLiteral("5901234123457"));
    EXPECT_EQ(bm->ListData_barcode.at(0).value(kValue), QStringLiteral("V0"));
    // The fields and the preview show the edited record; the sheet's fields are empty again.
    EXPECT_EQ(bm->dataText->text(), QStringLiteral("5901234123457"));
    EXPECT_EQ(bm->HeaderText->text(), QStringLiteral("New header"));
    EXPECT_TRUE(bm->barcodeImage->hasPicture());
    const SheetSeen after = read(*bm->Update_List_Item_Window);
    EXPECT_TRUE(after.value.isEmpty() && after.header.isEmpty() && after.footer.isEmpty() && after.pq.isEmpty()
                && after.row.isEmpty());
    EXPECT_FALSE(bm->Update_bar_value_str->isUndoAvailable());
}

TEST_F(ValueListWindow, CancelLeavesTheRecordAndEmptiesTheSheet)
{
    fillNumbered(2);
    responder->onModal = [&](QDialog &dialog) {
        auto &sheet = dynamic_cast<Update_List_Details &>(dialog);
        retype(sheet.m_bar_value_str, QStringLiteral("changed"));
        QTest::mouseClick(sheet.cancelButton, Qt::LeftButton);
        return dialog.result();
    };
    clickRow(0);
    bm->HeaderText->setText(QStringLiteral("typed meanwhile"));
    bm->doubleClickInTable();
    EXPECT_EQ(values(), (QStringList{"V0", "V1"}));
    EXPECT_EQ(bm->HeaderText->text(), QStringLiteral("typed meanwhile"));   // nothing bound
    const SheetSeen after = read(*bm->Update_List_Item_Window);
    EXPECT_TRUE(after.value.isEmpty() && after.pq.isEmpty() && after.row.isEmpty());
    EXPECT_FALSE(bm->Update_bar_value_str->isUndoAvailable());
    // Closing the sheet without a button counts as Cancel.
    responder->onModal = [](QDialog &) { return 0; };
    bm->doubleClickInTable();
    EXPECT_EQ(values(), (QStringList{"V0", "V1"}));
    EXPECT_TRUE(bm->Update_bar_value_str->text().isEmpty());
}

TEST_F(ValueListWindow, PrintQuantityFieldLimitAsTyped)
{
    // Typed in the user's locale and taken at OK: a whole number from 1 to 1000 (empty or 0 is 1), else the
    // field's message and the record unchanged.
    const QString range = "Please enter a print quantity from 1 to 1000.", whole = "Please enter the print quantity as a whole number, such as 12.";
    const struct { QString typed, stored, said; } cases[] = {
        {"1500", "1", range}, {"00012", "12", {}}, {"999", "999", {}}, {"abcd", "1", {}}, {"0", "1", {}}, {"", "1", {}},
        {"12,5", "1", whole}, {"1e1", "1", whole}, {QString::fromUtf8("١٢"), "12", {}},
    };
    LocaleScope scope("ar_EG");
    fillNumbered(1);
    for (const auto &k : cases) {
        responder->alerts.clear();
        responder->onModal = [&](QDialog &dialog) {
            auto &sheet = dynamic_cast<Update_List_Details &>(dialog);
            sheet.m_bar_pq_str->clear();
            for (const QChar c : k.typed)
                QTest::sendKeyEvent(QTest::Click, sheet.m_bar_pq_str, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::mouseClick(sheet.okButton, Qt::LeftButton);
            return dialog.result();
        };
        clickRow(0);
        bm->OnGetSelected();
        EXPECT_EQ(responder->trimmedAlertMessages().join('|'), k.said) << k.typed.toStdString();
        EXPECT_EQ(bm->ListData_barcode.at(0).value(kPQ), k.stored) << k.typed.toStdString();
    }
    // Text put in by code is not limited: the sheet opens on the record as stored.
    bm->Update_bar_pq_str->setText(QStringLiteral("12345"));
    EXPECT_EQ(bm->Update_bar_pq_str->text(), QStringLiteral("12345"));
}

TEST_F(ValueListWindow, RecordGoneWhileTheSheetWasOpenIsReported)
{
    fillNumbered(2);
    clickRow(1);
    responder->onModal = [&](QDialog &dialog) {
        auto &sheet = dynamic_cast<Update_List_Details &>(dialog);
        bm->ListData_barcode.removeLast();   // the row no longer exists
        QTest::mouseClick(sheet.okButton, Qt::LeftButton);
        return dialog.result();
    };
    bm->OnGetSelected();
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().first().contains(QStringLiteral("no record at index 1")));
    EXPECT_EQ(values(), QStringList{QStringLiteral("V0")});
    EXPECT_TRUE(bm->Update_bar_value_str->text().isEmpty());
    // On an empty list the sheet does not open.
    bm->ListData_barcode.clear();
    bm->Reload_List();
    bm->OnGetSelected();
    EXPECT_EQ(responder->modalCount, 1);
}
