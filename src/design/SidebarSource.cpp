// The source page (DataSourcePanel) as the sidebar's tab sets and the rest of the window reach it
// (its signals are connected with the sidebar, PropertySidebar.cpp).

#include "design/PropertySidebar.h"

#include "design/panels/DataSourcePanel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

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
