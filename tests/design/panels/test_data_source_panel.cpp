// The source page alone: its lists, its fills from texts, pictures and signatures, its states for a
// bound or a manual source, the value editor with its inserts, and the requests it sends.

#include "core/Globals.h"
#include "core/Edition.h"
#include "model/DesignGlobals.h"
#include "design/panels/DataSourcePanel.h"
#include "model/SKTGraphic.h"
#include "platform/TextNotifications.h"
#include "support/AppEnvironment.h"
#include "support/ScriptedResponder.h"

#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextCursor>

#include <gtest/gtest.h>

namespace {

QStringList items(const QComboBox *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->itemText(i);
    return out;
}

class DataSourcePanelAlone : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The window's batch binding fills the series list from the source type; here it is given.
        p.Batch_Series->addItems({combo_first_Select, QStringLiteral("Names"), QStringLiteral("Cities")});
        chosen.clear();
        series.clear();
    }
    void TearDown() override { data_source_change_main = false; }
    std::shared_ptr<SKTGraphic> object(SKTGraphicClass kind, int source, const QString &name = QString(), int column = 0)
    {
        auto g = SKTGraphic::graphicOfClass(kind);
        g->data_source_type = source;
        g->batch_list_name = name;
        g->excel_col_indx = column;
        return g;
    }

    DataSourcePanel p;
    QSignalSpy chosen{&p, &DataSourcePanel::dataSourceChosen};
    QSignalSpy series{&p, &DataSourcePanel::seriesOrColumnChosen};
    QSignalSpy edited{&p, &DataSourcePanel::textValueEdited};
    QSignalSpy transfers{&p, &DataSourcePanel::transferRequested};
};

TEST_F(DataSourcePanelAlone, TheListsHoldTheSourceTypesAndThePatterns)
{
    EXPECT_EQ(items(p.Data_source_type), QStringList({QStringLiteral("Manual"), QStringLiteral("Series")}));
    EXPECT_EQ(p.Data_source_type->currentIndex(), 0);
    EXPECT_EQ(items(p.Text_Date_style),
              QStringList({"M-d-yyyy", "M-d-yy", "MM-dd-yy", "MM-dd-yyyy", "yy-MM-dd", "yyyy-MM-dd", "dd-MMM-yy",
                           "dd-MM-yyyy", "d-M-yy"}));
    EXPECT_EQ(items(p.Text_Time_style), QStringList({"h:mm:ss a", "hh:mm:ss a", "H:mm:ss", "HH:mm:ss"}));
    EXPECT_EQ(p.Text_Date_style->currentIndex(), 0);
    EXPECT_EQ(p.Text_Time_style->currentIndex(), 0);
    for (QComboBox *list : {p.Data_source_type, p.Batch_Series, p.Text_Date_style, p.Text_Time_style})
        EXPECT_TRUE(list->property("tagora_combo_dispatch").toBool()) << list->objectName().toStdString();
    EXPECT_EQ(p.design_browse_excel_box->isHidden(), ONLY_QR_MODE);
    EXPECT_FALSE(p.view_excel_btn->isEnabled());
}

TEST_F(DataSourcePanelAlone, ChoosingASourceTypeOrASeriesIsReported)
{
    p.Data_source_type->setCurrentIndex(1);
    EXPECT_EQ(chosen.count(), 1);
    EXPECT_EQ(series.count(), 0);
    p.Batch_Series->setCurrentIndex(2);
    EXPECT_EQ(series.count(), 1);
    // While the window fills the series list itself, its choices are not reported.
    data_source_change_main = true;
    p.Batch_Series->setCurrentIndex(1);
    EXPECT_EQ(series.count(), 1);
    EXPECT_EQ(chosen.count(), 1);
}

TEST_F(DataSourcePanelAlone, ATextShowsItsValueAndItsSource)
{
    const struct {
        int source;
        const char *name;
        int column;
        int series;   // the series list's index afterwards
    } cases[] = {
        {1, "Cities", 0, 2},
        {1, "", 0, 0},   // no name: the placeholder
        {1, "Gone", 0, -1},
        {2, "", 2, 2},
        {2, "", -1, 0},   // no column: the placeholder
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(testing::Message() << k.source << " " << k.name << " " << k.column);
        p.Data_source_type->setCurrentIndex(0);
        p.Data_source_type->addItem(QStringLiteral("Excel"));
        chosen.clear();
        series.clear();
        const auto g = object(SKTGraphicClass::Text, k.source, QString::fromLatin1(k.name), k.column);
        g->Set_text_value(QStringLiteral("value %1").arg(k.source));
        p.Fill_Text_Source(*g);
        EXPECT_EQ(p.Text_value_Edit->toPlainText(), QStringLiteral("value %1").arg(k.source));
        EXPECT_EQ(p.Data_source_type->currentIndex(), k.source);
        EXPECT_EQ(chosen.count(), 1);   // the window fills the series list from it
        EXPECT_EQ(p.Batch_Series->currentIndex(), k.series);
        EXPECT_EQ(series.count(), 0);
        p.Data_source_type->removeItem(2);
    }
}

TEST_F(DataSourcePanelAlone, APictureShowsItsPathAndItsSource)
{
    p.Data_source_type->addItem(QStringLiteral("Excel"));
    p.Batch_Series->setCurrentIndex(1);
    series.clear();
    auto g = object(SKTGraphicClass::Image, 1);
    g->_file_path = QStringLiteral("/pictures/a.png");
    p.Fill_Image_Source(*g);
    EXPECT_EQ(p.Manual_image_path->toPlainText(), QStringLiteral("/pictures/a.png"));
    EXPECT_EQ(p.Batch_Series->currentIndex(), -1);   // a picture without a series shows none
    p.Fill_Image_Source(*object(SKTGraphicClass::Image, 1, QStringLiteral("Names")));
    EXPECT_EQ(p.Batch_Series->currentIndex(), 1);
    p.Fill_Image_Source(*object(SKTGraphicClass::Image, 2, QString(), 2));
    EXPECT_EQ(p.Batch_Series->currentIndex(), 2);
    p.Fill_Image_Source(*object(SKTGraphicClass::Image, 2, QString(), -1));   // left as it was
    EXPECT_EQ(p.Batch_Series->currentIndex(), 2);
    // A source the list does not hold leaves the type alone.
    p.Fill_Image_Source(*object(SKTGraphicClass::Image, 5));
    EXPECT_EQ(p.Data_source_type->currentIndex(), 2);
    EXPECT_EQ(series.count(), 0);
}

TEST_F(DataSourcePanelAlone, ASignatureShowsItsSeriesWhenItHasOne)
{
    p.Batch_Series->setCurrentIndex(2);
    series.clear();
    p.Fill_Sign_Source(*object(SKTGraphicClass::Signature, 1));
    EXPECT_EQ(p.Data_source_type->currentIndex(), 1);
    EXPECT_EQ(p.Batch_Series->currentIndex(), 2);
    p.Fill_Sign_Source(*object(SKTGraphicClass::Signature, 1, QStringLiteral("Names")));
    EXPECT_EQ(p.Batch_Series->currentIndex(), 1);
    EXPECT_EQ(series.count(), 0);
}

TEST_F(DataSourcePanelAlone, ThePageIsSetUpForATextOrAPicture)
{
    p.Show_Text_Source_Tab();
    EXPECT_EQ(p.data_source_title->text(), QStringLiteral("Text Source"));
    EXPECT_TRUE(p.manual_brws_box->isHidden());
    for (QWidget *w : {static_cast<QWidget *>(p.Text_Date_Time_Box), static_cast<QWidget *>(p.Text_value_Edit),
                       static_cast<QWidget *>(p.text_value_lbl), p.text_value_scrollView})
        EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();
    EXPECT_FALSE(p.Text_value_Edit->isReadOnly());   // a manual text

    p.Show_Image_Source_Tab();
    EXPECT_EQ(p.data_source_title->text(), QStringLiteral("Image Source"));
    EXPECT_FALSE(p.manual_brws_box->isHidden());
    EXPECT_TRUE(p.Text_value_Edit->isHidden());
    EXPECT_TRUE(p.Text_Date_Time_Box->isHidden());
    EXPECT_EQ(p.Data_source_box_DES->isHidden(), ONLY_QR_MODE);

    p.Data_source_type->setCurrentIndex(1);
    p.Show_Text_Source_Tab();
    EXPECT_TRUE(p.Text_value_Edit->isReadOnly());   // a bound text
}

TEST_F(DataSourcePanelAlone, ABoundSourceSwapsTheManualToolsForTheSeriesOnes)
{
    for (bool bound : {true, false, true}) {
        SCOPED_TRACE(bound);
        p.Set_Bound_Source_Controls(bound);
        EXPECT_EQ(p.view_series_btn->isEnabled(), bound);
        EXPECT_EQ(p.Batch_Series->isEnabled(), bound);
        EXPECT_EQ(p.Text_value_Edit->isReadOnly(), bound);
        EXPECT_EQ(p.insert_template_btn->isEnabled(), !bound);
        EXPECT_EQ(p.manual_browse_btn->isEnabled(), !bound);
        EXPECT_EQ(p.insert_date_btn->isEnabled(), !bound);
    }
}

TEST_F(DataSourcePanelAlone, TheValueEditorKeeps250CharactersAndReportsItsText)
{
    p.Text_value_Edit->setPlainText(QString(251, QLatin1Char('x')));
    QTextCursor at = p.Text_value_Edit->textCursor();
    at.setPosition(100);
    p.Text_value_Edit->setTextCursor(at);
    emit platform::TextNotifications::instance().textDidChange(p.Text_value_Edit);
    EXPECT_EQ(p.Text_value_Edit->toPlainText(), QString(250, QLatin1Char('x')));
    EXPECT_EQ(p.Text_value_Edit->textCursor().position(), 100);
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(edited.first().first().toString(), QString(250, QLatin1Char('x')));

    // Another view's change is not the page's.
    emit platform::TextNotifications::instance().textDidChange(p.Manual_image_path);
    EXPECT_EQ(edited.count(), 1);
}

TEST_F(DataSourcePanelAlone, TodaysDateReplacesTheSelectionThenTheTransfer)
{
    p.Text_Date_style->setCurrentText(QStringLiteral("yyyy-MM-dd"));
    p.Text_value_Edit->setPlainText(QStringLiteral("Issued: XX."));
    QTextCursor cursor = p.Text_value_Edit->textCursor();
    cursor.setPosition(8);
    cursor.setPosition(10, QTextCursor::KeepAnchor);
    p.Text_value_Edit->setTextCursor(cursor);
    p.insert_date_btn->click();
    EXPECT_EQ(p.Text_value_Edit->toPlainText(),
              QStringLiteral("Issued: ") + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('.'));
    EXPECT_EQ(transfers.count(), 1);
    p.Text_Time_style->setCurrentText(QStringLiteral("HH:mm:ss"));
    p.Text_value_Edit->setPlainText(QString());
    p.insert_time_btn->click();
    EXPECT_EQ(p.Text_value_Edit->toPlainText().size(), 8);
    EXPECT_EQ(transfers.count(), 2);
}

TEST_F(DataSourcePanelAlone, WithoutAPatternOnlyAMessage)
{
    testsupport::AppEnvironment env;   // the window's controller shows the message
    testsupport::ResponderScope responder;
    p.Text_value_Edit->setPlainText(QStringLiteral("same"));
    p.Text_Date_style->setCurrentIndex(-1);
    p.Text_Time_style->setCurrentIndex(-1);
    p.insert_date_btn->click();
    p.insert_time_btn->click();
    EXPECT_EQ(responder->alertMessages(), (QStringList{QStringLiteral("\nPlease select Date format."),
                                                      QStringLiteral("\nPlease select Time format.")}));
    EXPECT_EQ(p.Text_value_Edit->toPlainText(), QStringLiteral("same"));
    EXPECT_EQ(transfers.count(), 0);
}

TEST_F(DataSourcePanelAlone, TheViewButtonShowsTheChosenSource)
{
    testsupport::AppEnvironment env;
    testsupport::ResponderScope responder;
    QSignalSpy seriesViews(&p, &DataSourcePanel::seriesViewRequested);
    QSignalSpy rowViews(&p, &DataSourcePanel::excelDataViewRequested);
    p.Data_source_type->addItem(QStringLiteral("Excel"));
    p.Data_source_type->setCurrentIndex(0);
    p.view_series_btn->setEnabled(true);   // the window enables it for a bound source
    p.view_series_btn->click();   // manual: nothing
    p.Data_source_type->setCurrentIndex(1);
    p.Batch_Series->setCurrentIndex(0);
    p.view_series_btn->click();
    EXPECT_EQ(responder->alertMessages(), QStringList{QStringLiteral("\nPlease select the series.")});
    p.Batch_Series->setCurrentIndex(2);
    p.view_series_btn->click();
    ASSERT_EQ(seriesViews.count(), 1);
    EXPECT_EQ(seriesViews.first().first().toString(), QStringLiteral("Cities"));
    p.Data_source_type->setCurrentIndex(2);
    p.view_series_btn->click();
    EXPECT_EQ(rowViews.count(), 1);
    EXPECT_EQ(seriesViews.count(), 1);
}

TEST_F(DataSourcePanelAlone, TheFileAndSpreadsheetButtonsAskTheWindow)
{
    const struct {
        QPushButton *button;
        void (DataSourcePanel::*signal)();
    } cases[] = {
        {p.manual_browse_btn, &DataSourcePanel::pictureBrowseRequested},
        {p.library_browse_btn, &DataSourcePanel::libraryBrowseRequested},
        {p.excel_browse_btn, &DataSourcePanel::excelBrowseRequested},
        {p.view_excel_btn, &DataSourcePanel::excelViewRequested},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.button->objectName().toStdString());
        QSignalSpy asked(&p, k.signal);
        k.button->setEnabled(true);
        k.button->click();
        EXPECT_EQ(asked.count(), 1);
    }
}

TEST_F(DataSourcePanelAlone, TheSpreadsheetRowFollowsTheLink)
{
    p.excel_path_field->setEnabled(false);
    p.Show_Excel_Link(true);
    EXPECT_TRUE(p.view_excel_btn->isEnabled());
    EXPECT_FALSE(p.excel_path_field->isEnabled());
    p.Show_Excel_Link(false);
    EXPECT_FALSE(p.view_excel_btn->isEnabled());
    EXPECT_TRUE(p.excel_path_field->isEnabled());
    EXPECT_TRUE(p.excel_browse_btn->isEnabled());
}

} // namespace
