#include "output/Print_Wnd.h"

#include "core/Globals.h"
#include "core/ImageServices.h"
#include "core/Messages.h"
#include "output/Print_Wnd_PaperNames.h"
#include "platform/ComboItems.h"
#include "platform/Dialogs.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"
#include "projects/CustomProductStore.h"
#include "projects/Custom_Product_Label.h"
#include "projects/LabelCatalogue.h"

#include "ui_Print_Wnd.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <cmath>
#include <exception>

namespace {

void bindPrintWnd(Print_Wnd &c, const Ui::Print_Wnd &ui)
{
    c.rd_manual = ui.rd_manual;
    c.rd_predefined = ui.rd_predefined;
    c.manual_prop_Gp_Bx = ui.manual_prop_Gp_Bx;
    c.predefine_prop_Gp_Bx = ui.predefine_prop_Gp_Bx;
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
    c.cancelButton = ui.CancelButtonPressed;
}

QString number(double v) { return QString::number(float(v)); }

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

    // Vendors as in every host: "Custom" first, then the catalogues.
    platform::ui::fillCombo(Label_ComboBox, labelstock::Vendor_Names(Resource_Path));
    {
        const QSignalBlocker block(Label_ComboBox);
        Label_ComboBox->setCurrentIndex(0);
    }
    connect(Label_ComboBox, &QComboBox::currentIndexChanged, this, [this] { comboBoxSelectionDidChange(Label_ComboBox); });
    connect(Product_num_ComboBox, &QComboBox::currentIndexChanged, this,
            [this] { comboBoxSelectionDidChange(Product_num_ComboBox); });
    connect(rd_manual, &QRadioButton::clicked, this, &Print_Wnd::Manual_Label_Changed);
    connect(rd_predefined, &QRadioButton::clicked, this, &Print_Wnd::Predefined_Label_Changed);
    connect(save_label_btn, &QPushButton::clicked, this, &Print_Wnd::Save_Label_Pressed);
    connect(delete_label_btn, &QPushButton::clicked, this, &Print_Wnd::Delete_Label_Pressed);
    connect(cancelButton, &QPushButton::clicked, this, &Print_Wnd::CancelButtonPressed);
    wirePairs();
    predefine_prop_Gp_Bx->setVisible(false);
}

// Each text field and stepper of the predefined page keep one value: the stepper writes its field,
// an edit of the field sets the stepper.
void Print_Wnd::wirePairs()
{
    struct Pair {
        QLineEdit *field;
        platform::Stepper *stepper;
        bool whole;
    };
    const Pair pairs[] = {{Col_Text_pre, Col_Stepper_pre, true},           {Row_Text_pre, Row_Stepper_pre, true},
                          {horz_mar_Text_pre, horz_mar_Stepper_pre, false}, {vert_mar_Text_pre, vert_mar_Stepper_pre, false},
                          {width_Text_pre, width_Stepper_pre, false},       {height_Text_pre, height_Stepper_pre, false}};
    for (const Pair &p : pairs) {
        const bool size = p.field == width_Text_pre || p.field == height_Text_pre;
        connect(p.stepper, &platform::Stepper::stepped, this, [p, size] {
            if (p.whole)
                p.field->setText(QString::number(p.stepper->intValue()));
            else
                p.field->setText(size ? QString::asprintf("%.2f", p.stepper->doubleValue()) : number(p.stepper->doubleValue()));
        });
        connect(p.field, &QLineEdit::textEdited, this, [p] { p.stepper->setDoubleValue(platform::fieldValue(p.field)); });
    }
}

int Print_Wnd::Open_Print_Wnd()
{
    cus_or_pre = QStringLiteral("C");
    Manual_or_Pre = 0;
    rd_manual->setChecked(true);
    manual_prop_Gp_Bx->setVisible(true);
    predefine_prop_Gp_Bx->setVisible(false);
    Refresh_And_Reload_Product_Number_Combo(QString());
    {
        const QSignalBlocker block(Label_ComboBox);
        Label_ComboBox->setCurrentIndex(0);
    }
    const int code = platform::runModal(*this);
    hide();
    return code == 0 || code == 1 ? 1 : 0;
}

void Print_Wnd::Manual_Label_Changed()
{
    Manual_or_Pre = 0;
    rd_manual->setChecked(true);
    manual_prop_Gp_Bx->setVisible(true);
    predefine_prop_Gp_Bx->setVisible(false);
    Check_Max_Cell_Value();
}

void Print_Wnd::Predefined_Label_Changed()
{
    Manual_or_Pre = 1;
    rd_predefined->setChecked(true);
    manual_prop_Gp_Bx->setVisible(false);
    predefine_prop_Gp_Bx->setVisible(true);
    cus_or_pre = Label_ComboBox->currentText() == QLatin1String("Custom") ? QStringLiteral("C") : QStringLiteral("P");
    Read_Selected_Product_Label_Value();
}

void Print_Wnd::comboBoxSelectionDidChange(QComboBox *combo)
{
    if (Manual_or_Pre != 1)
        return;   // the manual layout takes no label stock
    try {
        if (combo == Label_ComboBox) {
            if (Label_ComboBox->currentText() == QLatin1String("Custom")) {
                cus_or_pre = QStringLiteral("C");
                Refresh_And_Reload_Product_Number_Combo(QString());
                return;
            }
            cus_or_pre = QStringLiteral("P");
            save_label_btn->setVisible(false);
            delete_label_btn->setVisible(false);
            platform::ui::fillCombo(Product_num_ComboBox, {});
            Read_XML_File(labelstock::Catalogue_Path(Resource_Path, Label_ComboBox->currentText()), QString(),
                          QString(), false);
            Enable_Custom_Editing(false);
            if (Product_num_ComboBox->count() > 0)
                Product_num_ComboBox->setCurrentIndex(0);   // reads the product through its handler
            else
                Read_Selected_Product_Label_Value();
        } else if (combo == Product_num_ComboBox) {
            Read_Selected_Product_Label_Value();
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
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
            left_mar_pre->setText(f.at(2));
            top_mar_pre->setText(f.at(3));
            QLineEdit *texts[] = {horz_mar_Text_pre, vert_mar_Text_pre, width_Text_pre, height_Text_pre};
            platform::Stepper *steppers[] = {horz_mar_Stepper_pre, vert_mar_Stepper_pre, width_Stepper_pre,
                                             height_Stepper_pre};
            for (int i = 0; i < 4; ++i) {
                texts[i]->setText(f.at(4 + i));
                steppers[i]->setDoubleValue(f.at(4 + i).toDouble());
            }
            QLineEdit *rest[] = {paper_used_pre,  orientation_pre,  page_size_pre, page_width_pre,
                                 page_height_pre, layout_group_pre, description_pre};
            for (int i = 0; i < 7; ++i)
                rest[i]->setText(f.at(8 + i));
            predef_page_wdt = std::ceil(MM_to_Points_Convert(f.at(11).toFloat()));
            predef_page_hgt = std::ceil(MM_to_Points_Convert(f.at(12).toFloat()));
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
        left_mar_pre->setText(l.leftMargin);
        top_mar_pre->setText(l.topMargin);
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
            lengths[i].first->setText(number(values[i]));
            lengths[i].second->setDoubleValue(values[i]);
        }
        orientation_pre->setText(l.orientation);
        page_size_pre->setText(l.pageSize);
        page_width_pre->setText(l.pageWidth);
        page_height_pre->setText(l.pageHeight);
        paper_used_pre->setText(l.paperName);
        layout_group_pre->setText(l.layoutGroup);
        description_pre->setText(l.description);
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
    for (const QLineEdit *f : {Col_Text_pre, Row_Text_pre, left_mar_pre, top_mar_pre, horz_mar_Text_pre, vert_mar_Text_pre,
                               width_Text_pre, height_Text_pre, paper_used_pre, orientation_pre, page_size_pre,
                               page_width_pre, page_height_pre, layout_group_pre, description_pre})
        out << f->text();
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
        QString error;
        const QString name = custom_prod_window->custom_prod_name;
        if (!customproducts::Write_Product(custom_label_path, name, Predefined_Field_Texts(), &error)) {
            Show_MessageBox(QStringLiteral("Custom Product Number could not be saved.\n") + error);
            return;
        }
        Refresh_And_Reload_Product_Number_Combo(name);
        Show_MessageBox(QStringLiteral("Custom Product Number has been saved successfully."));
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

void Print_Wnd::Check_Max_Cell_Value()
{
    // The fit of rows, columns and gaps to the paper, and the preview, belong to the print window's
    // sheet layout; this page only supplies its fields.
}

float Print_Wnd::MM_to_Points_Convert(float millimetres) { return ::MM_to_Points_Convert(millimetres); }

void Print_Wnd::CancelButtonPressed()
{
    hide();
    done(0);
}
