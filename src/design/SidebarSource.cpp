// The source page (DataSourcePanel) routed to the controller and to the window: the source type
// and series choices go to the window's batch binding; the value editor's text and the picture's
// file choice to the controller; the viewers to the batch binding; the spreadsheet row's buttons to
// the window. The rest of the window reaches the page through the routing methods here.

#include "design/PropertySidebar.h"

#include "app/SKTWindowController.h"
#include "core/Globals.h"
#include "design/DesignController.h"
#include "design/RecordBinding.h"
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

void PropertySidebar::Connect_Data_Source_Panel()
{
    DataSourcePanel *source = dataSourcePanel();
    DesignController *d = &design;
    connect(source, &DataSourcePanel::dataSourceChosen, this, [d] { d->hub.dataSourceChosen(); });
    connect(source, &DataSourcePanel::seriesOrColumnChosen, this, [d] { d->hub.seriesOrColumnChosen(); });
    connect(source, &DataSourcePanel::textValueEdited, this, [d](const QString &text) { giveTextValue(*d, text); });
    connect(source, &DataSourcePanel::transferRequested, this, [d] { d->Update_Text_Graphics(); });
    connect(source, &DataSourcePanel::pictureBrowseRequested, this, [d] {
        if (d->Check_Multiple_Image_Selection(QStringLiteral("Browse")))
            return;
        if (d->Browse_User_Image_Manually())
            d->Give_Current_Picture_Path(Library_Selected_Image);
    });
    connect(source, &DataSourcePanel::libraryBrowseRequested, this, [this, d] {
        if (d->Check_Multiple_Image_Selection(QStringLiteral("Select")))
            return;
        if (d->Open_Image_Library_Window(QStringLiteral("C")) != 1)
            return;
        Library_Selected_Image = lib_window_sel_file;
        Show_Picture_Source_Path(Library_Selected_Image);
        d->Give_Current_Picture_Path(Library_Selected_Image);
    });
    connect(source, &DataSourcePanel::seriesViewRequested, this,
            [d](const QString &name) { d->records().Open_Series_Value_Box(name); });
    connect(source, &DataSourcePanel::excelDataViewRequested, this, [d] { d->records().Open_Excel_Data_Box(); });
    connect(source, &DataSourcePanel::excelBrowseRequested, this, [d] { d->hub.Browse_excel_Btn_Clicked(); });
    connect(source, &DataSourcePanel::excelViewRequested, this, [d] { d->hub.View_Excel_Btn_Clicked(); });
}

// ---- The page for the sidebar's tab sets ----

void PropertySidebar::Show_Text_Source_Tab() { dataSourcePanel()->Show_Text_Source_Tab(); }

void PropertySidebar::Show_Image_Source_Tab() { dataSourcePanel()->Show_Image_Source_Tab(); }

void PropertySidebar::Fill_Text_Source(const SKTGraphic &graphic) { dataSourcePanel()->Fill_Text_Source(graphic); }

void PropertySidebar::Fill_Image_Source(const SKTGraphic &graphic) { dataSourcePanel()->Fill_Image_Source(graphic); }

void PropertySidebar::Fill_Sign_Source(const SKTGraphic &graphic) { dataSourcePanel()->Fill_Sign_Source(graphic); }

QString PropertySidebar::Text_Source_Value() const
{
    return datasource_tab ? dataSourcePanel()->Text_value_Edit->toPlainText() : QString();
}

QString PropertySidebar::Picture_Source_Path() const
{
    return datasource_tab ? dataSourcePanel()->Manual_image_path->toPlainText() : QString();
}

// ---- The page for the rest of the window ----

QComboBox *PropertySidebar::Source_Type_List() const
{
    return datasource_tab ? dataSourcePanel()->Data_source_type : nullptr;
}

QComboBox *PropertySidebar::Source_Series_List() const
{
    return datasource_tab ? dataSourcePanel()->Batch_Series : nullptr;
}

void PropertySidebar::Set_Bound_Source_Controls(bool bound) { dataSourcePanel()->Set_Bound_Source_Controls(bound); }

void PropertySidebar::Show_Picture_Source_Path(const QString &path)
{
    if (datasource_tab)
        dataSourcePanel()->Manual_image_path->setPlainText(path);
}

void PropertySidebar::Show_Text_Source_Value(const QString &text)
{
    if (datasource_tab)
        dataSourcePanel()->Text_value_Edit->setPlainText(text);
}

void PropertySidebar::Show_Excel_Path(const QString &path)
{
    if (datasource_tab)
        dataSourcePanel()->excel_path_field->setText(path);
}

void PropertySidebar::Show_Excel_Link(bool linked)
{
    if (datasource_tab)
        dataSourcePanel()->Show_Excel_Link(linked);
}
