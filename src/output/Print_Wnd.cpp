#include "output/Print_Wnd.h"

#include "core/UserFolders.h"
#include "outputjobs/CustomProductStore.h"
#include "outputjobs/LabelCatalogue.h"
#include "outputjobs/OutputGlobals.h"
#include "core/ImageServices.h"
#include "core/Messages.h"
#include "outputjobs/Print_Wnd_PaperNames.h"
#include "output/LabelSizeFields.h"
#include "platform/ComboItems.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"
#include "projects/Custom_Product_Label.h"

#include "ui_Print_Wnd.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <cmath>
#include <exception>
#include <tuple>

namespace {

void bindPrintWnd(Print_Wnd &c, const Ui::Print_Wnd &ui)
{
    // Page and printer
    c.Printer_ComboBox = ui.Printer_ComboBox;
    c.Orient_ComboBox = ui.Orient_ComboBox;
    c.Paper_id = ui.Paper_id;
    c.Size_id = ui.Size_id;
    c.l_mar_id = ui.l_mar_id;
    c.r_mar_id = ui.r_mar_id;
    c.t_mar_id = ui.t_mar_id;
    c.b_mar_id = ui.b_mar_id;
    c.pagesetup_btn = ui.pagesetup_btn;
    // Layout choice
    c.rd_manual = ui.rd_manual;
    c.rd_predefined = ui.rd_predefined;
    c.manual_prop_Gp_Bx = ui.manual_prop_Gp_Bx;
    c.predefine_prop_Gp_Bx = ui.predefine_prop_Gp_Bx;
    // Manual layout
    c.width_Text = ui.width_Text;
    c.width_Stepper = ui.width_Stepper;
    c.height_Text = ui.height_Text;
    c.height_Stepper = ui.height_Stepper;
    c.horz_mar_Text = ui.horz_mar_Text;
    c.horz_mar_Stepper = ui.horz_mar_Stepper;
    c.vert_mar_Text = ui.vert_mar_Text;
    c.vert_mar_Stepper = ui.vert_mar_Stepper;
    c.Row_Text = ui.Row_Text;
    c.Row_Stepper = ui.Row_Stepper;
    c.Col_Text = ui.Col_Text;
    c.Col_Stepper = ui.Col_Stepper;
    c.Auto_Center_chk_bx = ui.Auto_Center_chk_bx;
    c.align_Gp_Bx = ui.align_Gp_Bx;
    c.top_left_btn = ui.top_left_btn;
    c.top_center_btn = ui.top_center_btn;
    c.top_rite_btn = ui.top_rite_btn;
    c.mid_left_btn = ui.mid_left_btn;
    c.mid_center_btn = ui.mid_center_btn;
    c.mid_rite_btn = ui.mid_rite_btn;
    c.bot_left_btn = ui.bot_left_btn;
    c.bot_center_btn = ui.bot_center_btn;
    c.bot_rite_btn = ui.bot_rite_btn;
    // Predefined layout
    c.Label_ComboBox = ui.Label_ComboBox;
    c.Product_num_ComboBox = ui.Product_num_ComboBox;
    c.save_label_btn = ui.save_label_btn;
    c.delete_label_btn = ui.delete_label_btn;
    c.Col_Text_pre = ui.Col_Text_pre;
    c.Col_Stepper_pre = ui.Col_Stepper_pre;
    c.Row_Text_pre = ui.Row_Text_pre;
    c.Row_Stepper_pre = ui.Row_Stepper_pre;
    c.left_mar_pre = ui.left_mar_pre;
    c.top_mar_pre = ui.top_mar_pre;
    c.horz_mar_Text_pre = ui.horz_mar_Text_pre;
    c.horz_mar_Stepper_pre = ui.horz_mar_Stepper_pre;
    c.vert_mar_Text_pre = ui.vert_mar_Text_pre;
    c.vert_mar_Stepper_pre = ui.vert_mar_Stepper_pre;
    c.width_Text_pre = ui.width_Text_pre;
    c.width_Stepper_pre = ui.width_Stepper_pre;
    c.height_Text_pre = ui.height_Text_pre;
    c.height_Stepper_pre = ui.height_Stepper_pre;
    c.paper_used_pre = ui.paper_used_pre;
    c.orientation_pre = ui.orientation_pre;
    c.page_size_pre = ui.page_size_pre;
    c.page_width_pre = ui.page_width_pre;
    c.page_height_pre = ui.page_height_pre;
    c.layout_group_pre = ui.layout_group_pre;
    c.description_pre = ui.description_pre;
    // Range and totals
    c.All_print_rd = ui.All_print_rd;
    c.Sel_print_rd = ui.Sel_print_rd;
    c.Total_Text = ui.Total_Text;
    c.Total_Stepper = ui.Total_Stepper;
    c.from_Text = ui.from_Text;
    c.from_Stepper = ui.from_Stepper;
    c.To_Text = ui.To_Text;
    c.To_Stepper = ui.To_Stepper;
    c.tot_label = ui.tot_label;
    c.from_label = ui.from_label;
    c.to_label = ui.to_label;
    c.export_range_box = ui.export_range_box;
    // Options
    c.print_with_batch_chk = ui.print_with_batch_chk;
    c.skip_inavlid_chk = ui.skip_inavlid_chk;
    c.print_qty_chk = ui.print_qty_chk;
    c.fit_frame_chk = ui.fit_frame_chk;
    c.crop_mark_chk = ui.crop_mark_chk;
    c.Show_Margins = ui.Show_Margins;
    c.card_align_box = ui.card_align_box;
    // Preview and profiles
    c.Print_sclview = ui.Print_sclview;
    c.PrintView = ui.PrintView;
    c.test_image_view = ui.test_image_view;
    c.List_profile = ui.List_profile;
    c.Add_profile_btn = ui.Add_profile_btn;
    c.Edit_profile_btn = ui.Edit_profile_btn;
    c.Save_profile_btn = ui.Save_profile_btn;
    c.Delete_profile_btn = ui.Delete_profile_btn;
    // Buttons
    c.previewButton = ui.PreviewButtonPressed;
    c.printButton = ui.PrintButtonPressed;
    c.cancelButton = ui.CancelButtonPressed;
}

} // namespace

Print_Wnd *Print_Wnd::defaultInstance()
{
    static Print_Wnd *instance = new Print_Wnd;
    return instance;
}

Print_Wnd::Print_Wnd(QWidget *parent)
    : QDialog(parent)
{
    Ui::Print_Wnd ui;
    ui.setupUi(this);
    bindPrintWnd(*this, ui);
    custom_prod_window = Custom_Product_Label::defaultInstance();
    new_prod_label_name = custom_prod_window->prod_number;   // the dialog opens with this name
    Load_Window();
    Wire_Options();
    Wire_Handlers();
    predefine_prop_Gp_Bx->setVisible(false);
}

void Print_Wnd::Read_XML_File(const QString &path, const QString &, const QString &vendor, bool)
{
    QStringList items;
    for (int i = 0; i < Product_num_ComboBox->count(); ++i)
        items << Product_num_ComboBox->itemText(i);
    const int before = int(items.size());
    labelstock::CatalogueRead read = labelstock::Read_Catalogue(path, vendor, items);
    prod_id_count += int(read.products.size());
    prod_list = std::move(read.products);
    const QSignalBlocker block(Product_num_ComboBox);
    const int selected = Product_num_ComboBox->currentIndex();
    Product_num_ComboBox->addItems(read.items.mid(before));
    Product_num_ComboBox->setCurrentIndex(selected);
}

void Print_Wnd::Read_Selected_Product_Label_Value()
{
    try {
        if (cus_or_pre == QLatin1String("C")) {
            const int index = Product_num_ComboBox->currentIndex();
            if (index < 0)
                return;
            const std::optional<QStringList> fields =
                customproducts::Read_Product(custom_label_path, Product_num_ComboBox->currentText());
            if (!fields)
                return;   // a missing or short product changes nothing
            const QStringList &f = *fields;
            Col_Text_pre->setText(f.at(0));
            Col_Stepper_pre->setIntValue(f.at(0).toInt());
            Row_Text_pre->setText(f.at(1));
            Row_Stepper_pre->setIntValue(f.at(1).toInt());
            platform::showStored(left_mar_pre, f.at(2));
            platform::showStored(top_mar_pre, f.at(3));
            // The gaps and sizes as their steppers hold them (a file edited by hand may hold any
            // text): what the fields show is what is printed, and a size of 0 or none, or a gap
            // that reads as no number, shows as it is, for the print to refuse.
            for (auto [field, stepper, at] : {std::tuple{horz_mar_Text_pre, horz_mar_Stepper_pre, 4},
                                              std::tuple{vert_mar_Text_pre, vert_mar_Stepper_pre, 5}}) {
                const std::optional<double> stored = platform::storedNumber(f.at(at));
                stepper->setDoubleValue(stored.value_or(0));
                const bool number = stored || f.at(at).trimmed().isEmpty();
                if (number)
                    platform::showNumber(field, stepper->doubleValue(), platform::PairFormat::Real);
                else
                    field->setText(f.at(at));
            }
            labelsize::Load(width_Text_pre, width_Stepper_pre, f.at(6));
            labelsize::Load(height_Text_pre, height_Stepper_pre, f.at(7));
            QLineEdit *rest[] = {paper_used_pre,  orientation_pre,  page_size_pre, page_width_pre,
                                 page_height_pre, layout_group_pre, description_pre};
            for (int i = 0; i < 7; ++i)
                i == 3 || i == 4 ? platform::showStored(rest[i], f.at(8 + i)) : rest[i]->setText(f.at(8 + i));
            // The page as the program stored it ("101.600" is no thousand in any locale).
            predef_page_wdt = std::ceil(MM_to_Points_Convert(float(platform::storedNumber(f.at(11)).value_or(0))));
            predef_page_hgt = std::ceil(MM_to_Points_Convert(float(platform::storedNumber(f.at(12)).value_or(0))));
            Set_Preview_Size(QSizeF(predef_page_wdt, predef_page_hgt));
            Check_Max_Cell_Value();
            return;
        }

        if (prod_list.empty()) {
            Check_Max_Cell_Value();
            return;
        }
        const int index = Product_num_ComboBox->currentIndex();
        if (index < 0 || index >= int(prod_list.size()))
            return;
        const labelstock::PredefinedLayout l =
            labelstock::Predefined_Layout(prod_list.at(size_t(index)), &Find_Papaer_Name_From_Size);
        predef_page_wdt = float(l.pageWidthPoints);
        predef_page_hgt = float(l.pageHeightPoints);
        platform::showStored(left_mar_pre, l.leftMargin);
        platform::showStored(top_mar_pre, l.topMargin);
        Col_Text_pre->setText(l.cols);
        Col_Stepper_pre->setIntValue(l.colsValue);
        Row_Text_pre->setText(l.rows);
        Row_Stepper_pre->setIntValue(l.rowsValue);
        const std::pair<QLineEdit *, platform::Stepper *> lengths[] = {{horz_mar_Text_pre, horz_mar_Stepper_pre},
                                                                      {vert_mar_Text_pre, vert_mar_Stepper_pre},
                                                                      {width_Text_pre, width_Stepper_pre},
                                                                      {height_Text_pre, height_Stepper_pre}};
        const double values[] = {l.horzGap, l.vertGap, l.labelWidth, l.labelHeight};
        for (int i = 0; i < 4; ++i) {
            platform::showSize(lengths[i].first, float(values[i]));
            lengths[i].second->setDoubleValue(values[i]);
        }
        orientation_pre->setText(l.orientation);
        page_size_pre->setText(l.pageSize);
        platform::showStored(page_width_pre, l.pageWidth);
        platform::showStored(page_height_pre, l.pageHeight);
        paper_used_pre->setText(l.paperName);
        layout_group_pre->setText(l.layoutGroup);
        description_pre->setText(l.description);
        Set_Preview_Size(QSizeF(predef_page_wdt, predef_page_hgt));
        Check_Max_Cell_Value();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void Print_Wnd::Enable_Custom_Editing(bool custom)
{
    for (platform::Stepper *s : {Col_Stepper_pre, Row_Stepper_pre, horz_mar_Stepper_pre, vert_mar_Stepper_pre,
                                 width_Stepper_pre, height_Stepper_pre})
        s->setEnabled(custom);
    width_Text_pre->setReadOnly(!custom);
    height_Text_pre->setReadOnly(!custom);
    save_label_btn->setVisible(custom);
    delete_label_btn->setVisible(custom);
}

void Print_Wnd::Refresh_And_Reload_Product_Number_Combo(const QString &selectName)
{
    const QStringList names = customproducts::Product_Names(custom_label_path);
    {
        const QSignalBlocker block(Product_num_ComboBox);
        platform::ui::fillCombo(Product_num_ComboBox, names);
        int index = selectName.isEmpty() ? 0 : int(names.indexOf(selectName));
        if (index < 0)
            index = 0;
        Product_num_ComboBox->setCurrentIndex(names.isEmpty() ? -1 : index);
    }
    if (cus_or_pre == QLatin1String("C") && selectName.isEmpty())
        Enable_Custom_Editing(true);
    Check_delete_label_buttom_status();
}

void Print_Wnd::Check_delete_label_buttom_status()
{
    // The last custom product cannot be deleted.
    const int Product_number_count = Product_num_ComboBox->count();
    delete_label_btn->setEnabled(Product_number_count >= 2);
}

QStringList Print_Wnd::Predefined_Field_Texts() const
{
    QStringList out;
    // The numbers as the program writes them, whatever the locale, so that another reads them back.
    out << Col_Text_pre->text() << Row_Text_pre->text();
    for (const QLineEdit *f : {left_mar_pre, top_mar_pre, horz_mar_Text_pre, vert_mar_Text_pre, width_Text_pre, height_Text_pre})
        out << platform::storedText(f);
    out << paper_used_pre->text() << orientation_pre->text() << page_size_pre->text() << platform::storedText(page_width_pre)
        << platform::storedText(page_height_pre) << layout_group_pre->text() << description_pre->text();
    return out;
}

void Print_Wnd::Save_Label_Pressed()
{
    try {
        new_prod_label_name->setText(Product_num_ComboBox->currentIndex() >= 0 ? Product_num_ComboBox->currentText()
                                                                                : QString());
        const int code = platform::runModal(*custom_prod_window);
        custom_prod_window->hide();
        if (code != 1)
            return;
        // Written whole over the old product, which stays as it was when the write fails.
        QString error, unsynced;
        const QString name = custom_prod_window->custom_prod_name;
        if (!customproducts::Write_Product(custom_label_path, name, Predefined_Field_Texts(), &error, &unsynced)) {
            Show_MessageBox(QStringLiteral("Custom Product Number could not be saved.\n") + error);
            return;
        }
        Refresh_And_Reload_Product_Number_Combo(name);
        Show_MessageBox(unsynced.isEmpty() ? QStringLiteral("Custom Product Number has been saved successfully.")
                                           : platform::unsyncedWarning(QStringLiteral("Custom Product Number"), unsynced));
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void Print_Wnd::Delete_Label_Pressed()
{
    try {
        if (Product_num_ComboBox->currentIndex() < 0) {
            Show_MessageBox(QStringLiteral("There is no 'Custom Product Number' to delete."));
            return;
        }
        if (Show_YES_NO_MessageBox(QStringLiteral("Are you sure want to delete selected 'Custom Product Number'?")) != 1)
            return;
        customproducts::Delete_Product(custom_label_path, Product_num_ComboBox->currentText());
        Refresh_And_Reload_Product_Number_Combo(QString());
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
