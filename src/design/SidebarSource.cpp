// The source page (DataSourcePanel) routed to this controller and to the window: the source type
// and series choices go to the window's batch binding; the value editor's text, the picture's file
// choice and the viewers to this controller; the spreadsheet row's buttons to the window. The rest
// of the window reaches the page through the routing methods here.

#include "design/DesignController.h"

#include "app/SKTWindowController.h"
#include "core/Globals.h"
#include "design/panels/DataSourcePanel.h"
#include "model/SKTText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// The value editor's text goes into every selected unlocked text with a manual source.
void giveTextValue(DesignController &d, const QString &text)
{
    if (!d.Get_Selected_Graphic())
        return;
    for (const std::shared_ptr<SKTGraphic> &g : d.Selected_Graphic_Objects()) {
        if (!g || g->ctrl_is_locked || !g->isExactly<SKTText>() || g->data_source_type != 0)
            continue;
        g->Set_text_value(text);
    }
    d.Refresh_Canvas();
}

} // namespace

void DesignController::Connect_Data_Source_Panel()
{
    DataSourcePanel *source = dataSourcePanel();
    connect(source, &DataSourcePanel::dataSourceChosen, this, [this] { hub.dataSourceChosen(); });
    connect(source, &DataSourcePanel::seriesOrColumnChosen, this, [this] { hub.seriesOrColumnChosen(); });
    connect(source, &DataSourcePanel::textValueEdited, this, [this](const QString &text) { giveTextValue(*this, text); });
    connect(source, &DataSourcePanel::transferRequested, this, [this] { Update_Text_Graphics(); });
    connect(source, &DataSourcePanel::pictureBrowseRequested, this, [this] {
        if (Check_Multiple_Image_Selection(QStringLiteral("Browse")))
            return;
        if (Browse_User_Image_Manually())
            Give_Current_Picture_Path(Library_Selected_Image);
    });
    connect(source, &DataSourcePanel::libraryBrowseRequested, this, [this] {
        if (Check_Multiple_Image_Selection(QStringLiteral("Select")))
            return;
        if (Open_Image_Library_Window(QStringLiteral("C")) != 1)
            return;
        Library_Selected_Image = lib_window_sel_file;
        Show_Picture_Source_Path(Library_Selected_Image);
        Give_Current_Picture_Path(Library_Selected_Image);
    });
    connect(source, &DataSourcePanel::seriesViewRequested, this, [this](const QString &name) { Open_Series_Value_Box(name); });
    connect(source, &DataSourcePanel::excelDataViewRequested, this, [this] { Open_Excel_Data_Box(); });
    connect(source, &DataSourcePanel::excelBrowseRequested, this, [this] { hub.Browse_excel_Btn_Clicked(); });
    connect(source, &DataSourcePanel::excelViewRequested, this, [this] { hub.View_Excel_Btn_Clicked(); });
}

// ---- The page for the sidebar's tab sets ----

void DesignController::Show_Text_Source_Tab() { dataSourcePanel()->Show_Text_Source_Tab(); }

void DesignController::Show_Image_Source_Tab() { dataSourcePanel()->Show_Image_Source_Tab(); }

void DesignController::Fill_Text_Source(const SKTGraphic &graphic) { dataSourcePanel()->Fill_Text_Source(graphic); }

void DesignController::Fill_Image_Source(const SKTGraphic &graphic) { dataSourcePanel()->Fill_Image_Source(graphic); }

void DesignController::Fill_Sign_Source(const SKTGraphic &graphic) { dataSourcePanel()->Fill_Sign_Source(graphic); }

QString DesignController::Text_Source_Value() const
{
    return datasource_tab ? dataSourcePanel()->Text_value_Edit->toPlainText() : QString();
}

QString DesignController::Picture_Source_Path() const
{
    return datasource_tab ? dataSourcePanel()->Manual_image_path->toPlainText() : QString();
}

// ---- The page for the rest of the window ----

QComboBox *DesignController::Source_Type_List() const
{
    return datasource_tab ? dataSourcePanel()->Data_source_type : nullptr;
}

QComboBox *DesignController::Source_Series_List() const
{
    return datasource_tab ? dataSourcePanel()->Batch_Series : nullptr;
}

void DesignController::Set_Bound_Source_Controls(bool bound) { dataSourcePanel()->Set_Bound_Source_Controls(bound); }

void DesignController::Show_Picture_Source_Path(const QString &path)
{
    if (datasource_tab)
        dataSourcePanel()->Manual_image_path->setPlainText(path);
}

void DesignController::Show_Text_Source_Value(const QString &text)
{
    if (datasource_tab)
        dataSourcePanel()->Text_value_Edit->setPlainText(text);
}

void DesignController::Show_Excel_Path(const QString &path)
{
    if (datasource_tab)
        dataSourcePanel()->excel_path_field->setText(path);
}

void DesignController::Show_Excel_Link(bool linked)
{
    if (datasource_tab)
        dataSourcePanel()->Show_Excel_Link(linked);
}
