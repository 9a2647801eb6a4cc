// The sidebar panels shared by objects: data source ("Source"), position, size and alignment,
// the barcode object's panel and the single panel of a locked object.

#include "design/DesignController.h"

#include "app/SKTWindowController.h"

#include "core/Globals.h"
#include "design/FormLayout.h"
#include "platform/FormBuilder.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace platform::ui;
using designform::addPairRow;
using designform::addRow;
using designform::addWideRow;

namespace {

QLabel *plain(QWidget *parent, const char *name, const QString &text) { return label(parent, name, text); }

QWidget *buttonRow(QWidget *parent, std::initializer_list<QPushButton *> buttons)
{
    auto *w = new QWidget(parent);
    auto *row = new QHBoxLayout(w);
    row->setContentsMargins(0, 0, 0, 0);
    for (QPushButton *b : buttons) {
        b->setParent(w);
        row->addWidget(b);
    }
    row->addStretch(1);
    return w;
}

} // namespace

QWidget *DesignController::Build_Data_Source_Tab()
{
    QVBoxLayout *content = nullptr;
    QWidget *page = designform::scrollingPage("datasource_tab", content);
    QWidget *host = content->parentWidget();

    data_source_title = plain(host, "data_source_title", QStringLiteral("Text Source"));
    QFont bold = data_source_title->font();
    bold.setBold(true);
    data_source_title->setFont(bold);
    content->addWidget(data_source_title);

    Data_source_box_DES = box(host, "Data_source_box_DES", QStringLiteral("Data Source"));
    auto *grid = new QGridLayout(Data_source_box_DES);
    Data_source_type = combo(Data_source_box_DES, "Data_source_type", {QStringLiteral("Manual"), QStringLiteral("Series")});
    Data_source_type->setCurrentIndex(0);
    addRow(grid, plain(Data_source_box_DES, "Data_source_type_lbl", QStringLiteral("Source :")), Data_source_type);
    Batch_Series = combo(Data_source_box_DES, "Batch_Series");
    Batch_Series->setEnabled(false);
    addRow(grid, plain(Data_source_box_DES, "Batch_Series_lbl", QStringLiteral("Series :")), Batch_Series);
    view_series_btn = button(Data_source_box_DES, "view_series_btn", QStringLiteral("View"));
    view_series_btn->setEnabled(false);
    data_source_help_btn = button(Data_source_box_DES, "data_source_help_btn", QStringLiteral("?"));
    addWideRow(grid, buttonRow(Data_source_box_DES, {view_series_btn, data_source_help_btn}));
    content->addWidget(Data_source_box_DES);

    manual_brws_box = box(host, "manual_brws_box", QStringLiteral("Image File"));
    auto *browseGrid = new QGridLayout(manual_brws_box);
    Manual_image_path = textView(manual_brws_box, "Manual_image_path");
    Manual_image_path->setReadOnly(true);
    Manual_image_path->setFixedHeight(48);
    addWideRow(browseGrid, Manual_image_path);
    manual_browse_btn = button(manual_brws_box, "manual_browse_btn", QStringLiteral("Browse..."));
    library_browse_btn = button(manual_brws_box, "library_browse_btn", QStringLiteral("Library..."));
    addWideRow(browseGrid, buttonRow(manual_brws_box, {manual_browse_btn, library_browse_btn}));
    manual_brws_box->setVisible(false);
    content->addWidget(manual_brws_box);

    text_value_scrollView = make<QWidget>(host, "text_value_scrollView");
    auto *valueColumn = new QVBoxLayout(text_value_scrollView);
    valueColumn->setContentsMargins(0, 0, 0, 0);
    text_value_lbl = plain(text_value_scrollView, "text_value_lbl", QStringLiteral("Text :"));
    Text_value_Edit = textView(text_value_scrollView, "Text_value_Edit");
    Text_value_Edit->setMinimumHeight(90);
    valueColumn->addWidget(text_value_lbl);
    valueColumn->addWidget(Text_value_Edit);
    content->addWidget(text_value_scrollView);

    Text_Date_Time_Box = box(host, "Text_Date_Time_Box", QStringLiteral("Date and Time"));
    auto *dateGrid = new QGridLayout(Text_Date_Time_Box);
    Text_Date_style = combo(Text_Date_Time_Box, "Text_Date_style",
                            {QStringLiteral("M-d-yyyy"), QStringLiteral("M-d-yy"), QStringLiteral("MM-dd-yy"),
                             QStringLiteral("MM-dd-yyyy"), QStringLiteral("yy-MM-dd"), QStringLiteral("yyyy-MM-dd"),
                             QStringLiteral("dd-MMM-yy"), QStringLiteral("dd-MM-yyyy"), QStringLiteral("d-M-yy")});
    Text_Date_style->setCurrentIndex(0);
    insert_date_btn = button(Text_Date_Time_Box, "insert_date_btn", QStringLiteral("Insert"));
    auto *dateRow = new QWidget(Text_Date_Time_Box);
    auto *dateLayout = new QHBoxLayout(dateRow);
    dateLayout->setContentsMargins(0, 0, 0, 0);
    Text_Date_style->setParent(dateRow);
    insert_date_btn->setParent(dateRow);
    dateLayout->addWidget(Text_Date_style, 1);
    dateLayout->addWidget(insert_date_btn);
    addRow(dateGrid, plain(Text_Date_Time_Box, "Text_Date_style_lbl", QStringLiteral("Date :")), dateRow);
    Text_Time_style = combo(Text_Date_Time_Box, "Text_Time_style",
                            {QStringLiteral("h:mm:ss a"), QStringLiteral("hh:mm:ss a"), QStringLiteral("H:mm:ss"),
                             QStringLiteral("HH:mm:ss")});
    Text_Time_style->setCurrentIndex(0);
    insert_time_btn = button(Text_Date_Time_Box, "insert_time_btn", QStringLiteral("Insert"));
    auto *timeRow = new QWidget(Text_Date_Time_Box);
    auto *timeLayout = new QHBoxLayout(timeRow);
    timeLayout->setContentsMargins(0, 0, 0, 0);
    Text_Time_style->setParent(timeRow);
    insert_time_btn->setParent(timeRow);
    timeLayout->addWidget(Text_Time_style, 1);
    timeLayout->addWidget(insert_time_btn);
    addRow(dateGrid, plain(Text_Date_Time_Box, "Text_Time_style_lbl", QStringLiteral("Time :")), timeRow);
    insert_template_btn = button(Text_Date_Time_Box, "insert_template_btn", QStringLiteral("Insert Template"));
    addWideRow(dateGrid, buttonRow(Text_Date_Time_Box, {insert_template_btn}));
    content->addWidget(Text_Date_Time_Box);

    design_browse_excel_box = box(host, "design_browse_excel_box", QStringLiteral("Spreadsheet"));
    auto *excelGrid = new QGridLayout(design_browse_excel_box);
    excel_path_field = field(design_browse_excel_box, "excel_path_field");
    excel_path_field->setReadOnly(true);
    addWideRow(excelGrid, excel_path_field);
    excel_browse_btn = button(design_browse_excel_box, "excel_browse_btn", QStringLiteral("Link Spreadsheet..."));
    view_excel_btn = button(design_browse_excel_box, "view_excel_btn", QStringLiteral("View"));
    view_excel_btn->setEnabled(false);
    addWideRow(excelGrid, buttonRow(design_browse_excel_box, {excel_browse_btn, view_excel_btn}));
    content->addWidget(design_browse_excel_box);
    content->addStretch(1);
    return page;
}

QWidget *DesignController::Build_Alignment_Tab()
{
    QVBoxLayout *content = nullptr;
    QWidget *page = designform::scrollingPage("aligmnt_tab", content);
    QWidget *host = content->parentWidget();

    QGroupBox *position = box(host, "ctrl_position_box", QStringLiteral("Position"));
    auto *posGrid = new QGridLayout(position);
    frame_main_pic_X_pos = field(position, "frame_main_pic_X_pos", QStringLiteral("0"));
    frame_main_pic_X_pos_val = stepper(position, "frame_main_pic_X_pos_val", -10000, 10000, 1, 0);
    ctrl_x_pos_unit_lbl = plain(position, "ctrl_x_pos_unit_lbl", QStringLiteral("(pt)"));
    addPairRow(posGrid, plain(position, "frame_main_pic_X_lbl", QStringLiteral("X :")), frame_main_pic_X_pos,
               frame_main_pic_X_pos_val, ctrl_x_pos_unit_lbl);
    frame_main_pic_Y_pos = field(position, "frame_main_pic_Y_pos", QStringLiteral("0"));
    frame_main_pic_Y_pos_val = stepper(position, "frame_main_pic_Y_pos_val", -10000, 10000, 1, 0);
    ctrl_y_pos_unit_lbl = plain(position, "ctrl_y_pos_unit_lbl", QStringLiteral("(pt)"));
    addPairRow(posGrid, plain(position, "frame_main_pic_Y_lbl", QStringLiteral("Y :")), frame_main_pic_Y_pos,
               frame_main_pic_Y_pos_val, ctrl_y_pos_unit_lbl);
    content->addWidget(position);

    ctrl_width_height_box = box(host, "ctrl_width_height_box", QStringLiteral("Size"));
    auto *sizeGrid = new QGridLayout(ctrl_width_height_box);
    frame_main_pic_width = field(ctrl_width_height_box, "frame_main_pic_width", QStringLiteral("0"));
    frame_main_pic_width_val = stepper(ctrl_width_height_box, "frame_main_pic_width_val", 0, 10000, 1, 0);
    ctrl_width_unit_lbl = plain(ctrl_width_height_box, "ctrl_width_unit_lbl", QStringLiteral("(mm)"));
    addPairRow(sizeGrid, plain(ctrl_width_height_box, "frame_main_pic_width_lbl", QStringLiteral("Width :")),
               frame_main_pic_width, frame_main_pic_width_val, ctrl_width_unit_lbl);
    frame_main_pic_height = field(ctrl_width_height_box, "frame_main_pic_height", QStringLiteral("0"));
    frame_main_pic_height_val = stepper(ctrl_width_height_box, "frame_main_pic_height_val", 0, 10000, 1, 0);
    ctrl_height_unit_lbl = plain(ctrl_width_height_box, "ctrl_height_unit_lbl", QStringLiteral("(mm)"));
    addPairRow(sizeGrid, plain(ctrl_width_height_box, "frame_main_pic_height_lbl", QStringLiteral("Height :")),
               frame_main_pic_height, frame_main_pic_height_val, ctrl_height_unit_lbl);
    content->addWidget(ctrl_width_height_box);

    Ctrl_Size_Opt_box = box(host, "Ctrl_Size_Opt_box", QStringLiteral("Size Options"));
    auto *optGrid = new QGridLayout(Ctrl_Size_Opt_box);
    Make_natural_size_btn = button(Ctrl_Size_Opt_box, "Make_natural_size_btn", QStringLiteral("Natural Size"));
    fit_to_label_btn = button(Ctrl_Size_Opt_box, "fit_to_label_btn", QStringLiteral("Fit to Label"));
    Make_same_width_btn = button(Ctrl_Size_Opt_box, "Make_same_width_btn", QStringLiteral("Same Width"));
    Make_same_height_btn = button(Ctrl_Size_Opt_box, "Make_same_height_btn", QStringLiteral("Same Height"));
    optGrid->addWidget(Make_natural_size_btn, 0, 0);
    optGrid->addWidget(fit_to_label_btn, 0, 1);
    optGrid->addWidget(Make_same_width_btn, 1, 0);
    optGrid->addWidget(Make_same_height_btn, 1, 1);
    content->addWidget(Ctrl_Size_Opt_box);

    QGroupBox *align = box(host, "align_box", QStringLiteral("Align"));
    auto *alignGrid = new QGridLayout(align);
    align_left_btn = button(align, "align_left_btn", QStringLiteral("Left"));
    align_right_btn = button(align, "align_right_btn", QStringLiteral("Right"));
    align_top_btn = button(align, "align_top_btn", QStringLiteral("Top"));
    align_bottom_btn = button(align, "align_bottom_btn", QStringLiteral("Bottom"));
    align_center_btn = button(align, "align_center_btn", QStringLiteral("Centre"));
    align_horzontal_btn = button(align, "align_horzontal_btn", QStringLiteral("Horizontal"));
    align_vertical_btn = button(align, "align_vertical_btn", QStringLiteral("Vertical"));
    Align_with_grid_btn = button(align, "Align_with_grid_btn", QStringLiteral("To Grid"));
    alignGrid->addWidget(align_left_btn, 0, 0);
    alignGrid->addWidget(align_right_btn, 0, 1);
    alignGrid->addWidget(align_top_btn, 1, 0);
    alignGrid->addWidget(align_bottom_btn, 1, 1);
    alignGrid->addWidget(align_center_btn, 2, 0);
    alignGrid->addWidget(align_horzontal_btn, 2, 1);
    alignGrid->addWidget(align_vertical_btn, 3, 0);
    alignGrid->addWidget(Align_with_grid_btn, 3, 1);
    Align_with_grid_btn->setEnabled(false);
    content->addWidget(align);
    content->addStretch(1);
    return page;
}

QWidget *DesignController::Build_Barcode_Tab()
{
    QVBoxLayout *content = nullptr;
    QWidget *page = designform::scrollingPage("barcode_tab", content);
    QWidget *host = content->parentWidget();
    barcode_prop_btn = button(host, "barcode_prop_btn", QStringLiteral("Barcode Properties..."));
    Edit_Qr_Code_Val_BTN = button(host, "Edit_Qr_Code_Val_BTN", QStringLiteral("Edit QR Code Value..."));
    Edit_Qr_Code_Val_BTN->setVisible(ONLY_QR_MODE);
    content->addWidget(barcode_prop_btn);
    content->addWidget(Edit_Qr_Code_Val_BTN);
    content->addStretch(1);
    return page;
}

QWidget *DesignController::Build_Lock_Tab()
{
    QVBoxLayout *content = nullptr;
    QWidget *page = designform::scrollingPage("Lock_tab", content);
    QWidget *host = content->parentWidget();
    QLabel *note = plain(host, "lock_note_lbl", QStringLiteral("This object is locked. Unlock it to change it."));
    note->setWordWrap(true);
    content->addWidget(note);
    content->addStretch(1);
    return page;
}
