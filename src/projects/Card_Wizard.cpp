#include "projects/Card_Wizard.h"

#include "core/FileServices.h"
#include "core/Globals.h"
#include "core/Edition.h"
#include "core/UserFolders.h"
#include "model/DesignGlobals.h"
#include "core/ImageServices.h"
#include "core/Messages.h"
#include "imagetools/ImageBrowserModel.h"
#include "imaging/ImageSizeCheck.h"
#include "model/StyleCodes.h"
#include "outputjobs/LabelCatalogue.h"
#include "platform/ColorWell.h"
#include "platform/ComboItems.h"
#include "platform/Dialogs.h"
#include "platform/CountField.h"
#include "platform/Float_Num_Formatter.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"
#include "model/Card_Property.h"
#include "projects/ProjectsController.h"
#include "projects/ProjectsSources.h"

#include "ui_Card_Wizard.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>

#include <exception>
#include <utility>

namespace {

Card_Wizard *wzrd_Window_def_inst = nullptr;

enum Page { SizePage = 0, ColourPage = 1, TemplatePage = 2 };

void bindCardWizard(Card_Wizard &c, const Ui::Card_Wizard &ui)
{
    c.wizard_pages = ui.wizard_pages;
    c.Size_Box = ui.Size_Box;
    c.Label_ComboBox = ui.Label_ComboBox;
    c.Product_num_ComboBox = ui.Product_num_ComboBox;
    c.width_Text = ui.width_Text;
    c.width_Stepper = ui.width_Stepper;
    c.height_Text = ui.height_Text;
    c.height_Stepper = ui.height_Stepper;
    c.page_frm_printer_btn = ui.page_frm_printer_btn;
    c.open_log_btn = ui.open_log_btn;
    c.apply_size_btn = ui.apply_size_btn;
    c.card_name = ui.card_name;
    c.Color_Box = ui.Color_Box;
    c.matrix_card_shape = ui.matrix_card_shape;
    c.Card_Border_Box = ui.Card_Border_Box;
    c.Card_border_chk = ui.Card_border_chk;
    c.Card_bordr_clr = ui.Card_bordr_clr;
    c.Card_bor_Stepper = ui.Card_bor_Stepper;
    c.Card_bor_Text = ui.Card_bor_Text;
    c.Card_border_style = ui.Card_border_style;
    c.Card_Fill_Box = ui.Card_Fill_Box;
    c.Card_fill_chk = ui.Card_fill_chk;
    c.Card_solid_fill_rd = ui.Card_solid_fill_rd;
    c.Card_gradient_fill_rd = ui.Card_gradient_fill_rd;
    c.Card_Style_fill_rd = ui.Card_Style_fill_rd;
    c.Card_Image_fill_rd = ui.Card_Image_fill_rd;
    c.Card_fill_clr = ui.Card_fill_clr;
    c.Card_fill_Grd_1_clr = ui.Card_fill_Grd_1_clr;
    c.Card_fill_Grd_2_clr = ui.Card_fill_Grd_2_clr;
    c.Card_hatch_bk_clr = ui.Card_hatch_bk_clr;
    c.Card_grad_Stepper = ui.Card_grad_Stepper;
    c.Card_grad_Text = ui.Card_grad_Text;
    c.Card_hatch_style = ui.Card_hatch_style;
    c.Card_image_box = ui.Card_image_box;
    c.Card_Image_path = ui.Card_Image_path;
    c.card_image_browse_btn = ui.card_image_browse_btn;
    c.card_image_library_btn = ui.card_image_library_btn;
    c.Card_alpha_lbl = ui.Card_alpha_lbl;
    c.Card_alpha_Stepper = ui.Card_alpha_Stepper;
    c.Card_alpha_Text = ui.Card_alpha_Text;
    c.fill_profile_btn = ui.fill_profile_btn;
    c.Back_btn = ui.Back_btn;
    c.Next_btn = ui.Next_btn;
    c.cancelButton = ui.CancelClick;
    c.radio_opt_box = ui.radio_opt_box;
    c.template_radio_btn = ui.template_radio_btn;
    c.blank_radio_btn = ui.blank_radio_btn;
    c.template_box = ui.template_box;
    c.temp_type_matrix = ui.temp_type_matrix;
    c.imageBrowser = ui.imageBrowser;
    c.Delete_UD_Temp_Btn = ui.Delete_UD_Temp_Btn;
    c.Select_Template_OK_Btn = ui.Select_Template_OK_Btn;
    c.sel_temp_path = ui.sel_temp_path;
}

void showIf(QWidget *w, bool on) { w->setVisible(on); }

} // namespace

quint64 Card_Wizard::User_Defined_File = 0;

Card_Wizard *Card_Wizard::defaultInstance(ProjectsController &projects)
{
    if (!wzrd_Window_def_inst)
        wzrd_Window_def_inst = new Card_Wizard(projects);
    return wzrd_Window_def_inst;
}

Card_Wizard::Card_Wizard(ProjectsController &projects)
    : QDialog(nullptr), projects(projects)
{
    Ui::Card_Wizard ui;
    ui.setupUi(this);
    bindCardWizard(*this, ui);
    // The instance lives as long as its window's projects part; a new window makes a new wizard.
    connect(&projects, &QObject::destroyed, this, [this] {
        if (wzrd_Window_def_inst == this)
            wzrd_Window_def_inst = nullptr;
        deleteLater();
    });
    const QList<QAbstractButton *> shapes = matrix_card_shape->buttons();
    for (int row = 0; row < shapes.size(); ++row)
        matrix_card_shape->setId(shapes.at(row), row);
    const QList<QAbstractButton *> columns = temp_type_matrix->buttons();
    for (int column = 0; column < columns.size(); ++column)
        temp_type_matrix->setId(columns.at(column), column);
    platform::ui::fillCombo(Card_border_style, {QStringLiteral("Solid"), QStringLiteral("Dash"), QStringLiteral("Dot"),
                                                QStringLiteral("Dash Dot"), QStringLiteral("Dash Dot Dot")});

    sel_temp_path->setVisible(false);
    // The template option belongs to the QR edition; the others open projects from here instead.
    showIf(radio_opt_box, ONLY_QR_MODE);
    showIf(Select_Template_OK_Btn, ONLY_QR_MODE);
    showIf(open_log_btn, !ONLY_QR_MODE);

    images = new ImageBrowserModel(this);
    images->setThumbnailSize(int(200 * 0.6));
    imageBrowser->setModel(images);
    imageBrowser->setViewMode(QListView::IconMode);
    imageBrowser->setMovement(QListView::Static);
    imageBrowser->setResizeMode(QListView::Adjust);
    imageBrowser->setUniformItemSizes(true);   // the thumbnails share one cell size: laid out without asking each
    imageBrowser->setLayoutMode(QListView::Batched);
    imageBrowser->setSelectionMode(QAbstractItemView::SingleSelection);
    imageBrowser->setDragEnabled(false);
    imageBrowser->setAcceptDrops(false);
    imageBrowser->setIconSize(QSize(images->thumbnailSize(), images->thumbnailSize()));

    // Pattern names of the hatch fills.
    const QStringList hatches = Get_Files_Array_At_Path_del_ext(Resource_Path + QStringLiteral("/Fill_Style_Image"), true);
    platform::ui::fillCombo(Card_hatch_style, hatches);
    if (!hatches.isEmpty())
        Card_hatch_style->setCurrentIndex(0);

    // Vendors: "Custom", then the catalogues.
    platform::ui::fillCombo(Label_ComboBox, labelstock::Vendor_Names(Resource_Path));
    Label_ComboBox->setCurrentIndex(0);
    try {
        if (Product_num_ComboBox->count() == 0)
            throw std::out_of_range("The product list is empty.");
        Product_num_ComboBox->setCurrentIndex(0);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    wire();
}

namespace {

// A whole-number field of the colour page, in its stepper's range.
platform::WholeRule wholeRule(const platform::Stepper *stepper, const char *what, const char *unit,
                              platform::WholeRule::Fraction fraction)
{
    platform::WholeRule rule{QLatin1String(what), qint64(stepper->minValue()), qint64(stepper->maxValue()),
                             QLatin1String(unit)};
    rule.fraction = fraction;
    return rule;
}

} // namespace

void Card_Wizard::wire()
{
    connect(Next_btn, &QPushButton::clicked, this, &Card_Wizard::OK_Click);
    connect(Back_btn, &QPushButton::clicked, this, &Card_Wizard::Back_Click);
    connect(cancelButton, &QPushButton::clicked, this, &Card_Wizard::CancelClick);
    connect(open_log_btn, &QPushButton::clicked, this, &Card_Wizard::Open_Log_btn_Click);
    connect(page_frm_printer_btn, &QPushButton::clicked, this, &Card_Wizard::Page_From_Printer_Click);
    connect(apply_size_btn, &QPushButton::clicked, this, &Card_Wizard::Apply_Size_Clicked);
    connect(width_Stepper, &platform::Stepper::stepped, this, [this] { Card_Width_Changed(true); });
    connect(height_Stepper, &platform::Stepper::stepped, this, [this] { Card_Height_Changed(true); });
    connect(matrix_card_shape, &QButtonGroup::idClicked, this, &Card_Wizard::card_shape_CellClick);
    connect(Card_border_chk, &QCheckBox::clicked, this, &Card_Wizard::Card_Border_ChkBox);
    connect(Card_bor_Stepper, &platform::Stepper::stepped, this, [this] { Card_Border_Changed(true); });
    connect(Card_grad_Stepper, &platform::Stepper::stepped, this, [this] { Card_Gradient_Changed(true); });
    connect(Card_alpha_Stepper, &platform::Stepper::stepped, this, [this] { Card_Alpha_Changed(true); });
    // Whole points, degrees and percent, made whole as the card keeps them (the border and opacity
    // rounded, the angle cut): taken or refused when their typing ends, never at a keystroke.
    using Fraction = platform::WholeRule::Fraction;
    platform::connectCountField(Card_bor_Text, wholeRule(Card_bor_Stepper, "border width", "pt", Fraction::Rounded), this,
                                [this] { Card_Border_Changed(false); });
    platform::connectCountField(Card_grad_Text, wholeRule(Card_grad_Stepper, "gradient angle", "degrees", Fraction::Truncated),
                                this, [this] { Card_Gradient_Changed(false); });
    platform::connectCountField(Card_alpha_Text, wholeRule(Card_alpha_Stepper, "opacity", "percent", Fraction::Rounded),
                                this, [this] { Card_Alpha_Changed(false); });
    for (const auto &[stepper, field] : {std::pair{Card_bor_Stepper, Card_bor_Text}, std::pair{Card_grad_Stepper, Card_grad_Text},
                                         std::pair{Card_alpha_Stepper, Card_alpha_Text}})
        platform::connectCountStepper(stepper, field, this);
    connect(Card_fill_chk, &QCheckBox::clicked, this, &Card_Wizard::Card_Fill_Chk_Box);
    connect(Card_solid_fill_rd, &QRadioButton::clicked, this, &Card_Wizard::Card_Solid_RD_Sel);
    connect(Card_gradient_fill_rd, &QRadioButton::clicked, this, &Card_Wizard::Card_Gradient_RD_Sel);
    connect(Card_Style_fill_rd, &QRadioButton::clicked, this, &Card_Wizard::Card_Hatch_RD_Sel);
    connect(Card_Image_fill_rd, &QRadioButton::clicked, this, &Card_Wizard::Card_Image_RD_Sel);
    connect(card_image_browse_btn, &QPushButton::clicked, this, &Card_Wizard::Card_Image_Browse_Btn);
    connect(card_image_library_btn, &QPushButton::clicked, this, &Card_Wizard::Card_Image_Library_Btn);
    // As typed, every keystroke a number may hold stands; the editing's end takes or refuses it.
    for (QLineEdit *field : {width_Text, height_Text}) {
        field->setValidator(new Float_Num_Formatter(field));
        connect(field, &QLineEdit::editingFinished, this, [this, field] { controlTextDidEndEditing(field); });
        // A step takes the typed size first, or is held when it is refused.
        platform::Stepper *stepper = field == width_Text ? width_Stepper : height_Stepper;
        stepper->leaveFocusIn(field);
        connect(stepper, &platform::Stepper::aboutToStep, this, [this, field] {
            if (field->isModified())
                controlTextDidEndEditing(field);
        });
    }
    connect(Label_ComboBox, &QComboBox::currentIndexChanged, this, [this] { comboBoxSelectionDidChange(Label_ComboBox); });
    connect(Product_num_ComboBox, &QComboBox::currentIndexChanged, this,
            [this] { comboBoxSelectionDidChange(Product_num_ComboBox); });
    connect(template_radio_btn, &QRadioButton::clicked, this, &Card_Wizard::template_radio_btn_Click);
    connect(blank_radio_btn, &QRadioButton::clicked, this, &Card_Wizard::blank_radio_btn_Click);
    connect(temp_type_matrix, &QButtonGroup::idClicked, this, &Card_Wizard::temp_type_matrix_CellClick);
    connect(Delete_UD_Temp_Btn, &QPushButton::clicked, this, &Card_Wizard::Delete_UD_Temp_Btn_Click);
    connect(Select_Template_OK_Btn, &QPushButton::clicked, this, &Card_Wizard::Select_Template_OK_Btn_Click);
    connect(imageBrowser->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Card_Wizard::imageBrowserSelectionDidChange);
}

int Card_Wizard::Open_Wnd()
{
    try {
        Wizard_ok = QStringLiteral("");
        next_count = 0;
        Back_btn->setEnabled(false);
        matrix_card_shape->button(0)->setChecked(true);
        Card_Shape = 0;
        Card_border_style->setCurrentIndex(0);
        fill_profile_btn->setVisible(false);
        card_name->setText(default_file_name);
        temp_type_matrix->button(0)->setChecked(true);
        Delete_UD_Temp_Btn->setVisible(false);
        if (ONLY_QR_MODE)
            Show_Template_Mode_Control();
        else
            Show_Wizard_Mode_Control();
        Reset_color_box();
        // "Custom" with its own state (an editable size and no product), whatever was chosen last.
        {
            const QSignalBlocker block(Label_ComboBox);
            Label_ComboBox->setCurrentIndex(0);
        }
        comboBoxSelectionDidChange(Label_ComboBox);
        try {
            if (Product_num_ComboBox->count() == 0)
                throw std::out_of_range("The product list is empty.");
            const QSignalBlocker block(Product_num_ComboBox);
            Product_num_ComboBox->setCurrentIndex(0);
        } catch (const std::exception &e) {
            Show_NSLog_Message(QString::fromUtf8(e.what()));
        }
        Set_Size_Fields(100.0, 100.0);
        Apply_unit_Chaneg_Values();
        {
            const QSignalBlocker block(Product_num_ComboBox);
            Product_num_ComboBox->setCurrentIndex(-1);
        }
        images->removeAllImages();
        images->setThumbnailSize(int(200 * 0.6));
        Fill_Templates();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return 0;
    }
    const int code = platform::runModal(*this);
    hide();
    return code;
}

void Card_Wizard::Set_Size_Fields(double widthMM, double heightMM)
{
    platform::showSize(width_Text, float(widthMM));
    width_Stepper->setDoubleValue(widthMM);
    platform::showSize(height_Text, float(heightMM));
    height_Stepper->setDoubleValue(heightMM);
}

// ---- Pages ----

void Card_Wizard::OK_Click()
{
    try {
        if (next_count == 0) {
            open_log_btn->setVisible(false);
            Apply_unit_Chaneg_Values();
            wizard_pages->setCurrentIndex(ColourPage);
            Back_btn->setEnabled(true);
            Next_btn->setText(QStringLiteral("Finish"));
            next_count = 1;
            return;
        }
        // Finish: a number still being typed is taken first (a refused one keeps the page), then the
        // settings of the fill kinds not chosen go back to their defaults.
        if (!platform::endTyping({Card_bor_Text, Card_grad_Text, Card_alpha_Text}))
            return;
        if (!Card_Image_fill_rd->isChecked())
            Card_Image_path->setPlainText(QString());
        if (!Card_solid_fill_rd->isChecked())
            Card_fill_clr->setColor(Qt::white);
        if (!Card_gradient_fill_rd->isChecked()) {
            Card_fill_Grd_1_clr->setColor(Qt::white);
            Card_fill_Grd_2_clr->setColor(Qt::white);
            Card_grad_Stepper->setDoubleValue(0);
            Card_grad_Text->setText(QStringLiteral("0"));
        }
        if (!Card_Style_fill_rd->isChecked()) {
            Card_hatch_bk_clr->setColor(Qt::white);
            if (Card_hatch_style->count() > 0)
                Card_hatch_style->setCurrentIndex(0);
        }
        // A card is never smaller than a tenth of a millimetre.
        const float widthMM = float(std::max(0.1, width_Stepper->doubleValue()));
        const float heightMM = float(std::max(0.1, height_Stepper->doubleValue()));
        projects.design().SetDocumentCanvasSize(QSizeF(MM_to_Points_Convert(widthMM), MM_to_Points_Convert(heightMM)));
        Selected_Template_Path = QStringLiteral("");
        done(1);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void Card_Wizard::Back_Click()
{
    if (next_count == 0) {
        done(0);
        return;
    }
    open_log_btn->setVisible(true);
    fill_profile_btn->setVisible(false);
    wizard_pages->setCurrentIndex(SizePage);
    Back_btn->setEnabled(false);
    Next_btn->setText(QStringLiteral("Next"));
    next_count = 0;
}

void Card_Wizard::CancelClick()
{
    Card_Shape = 0;
    done(0);
}

// ---- Size ----

void Card_Wizard::controlTextDidEndEditing(QLineEdit *field)
{
    if (field != width_Text && field != height_Text)
        return;
    const bool width = field == width_Text;
    // A card is never smaller than a tenth of a millimetre.
    const QString refused = platform::copyPairRefusing(
        field, width ? width_Stepper : height_Stepper, field, platform::PairFormat::TwoDecimals,
        {width ? QStringLiteral("label width") : QStringLiteral("label height"), QStringLiteral("mm"), 0.1});
    if (!refused.isEmpty())
        Show_MessageBox(refused);
}

void Card_Wizard::Apply_unit_Chaneg_Values()
{
    for (const auto &[field, stepper] : {std::pair{width_Text, width_Stepper}, std::pair{height_Text, height_Stepper}}) {
        const double value = platform::fieldValue(field, stepper->doubleValue());
        platform::showNumber(field, value, platform::PairFormat::TwoDecimals);
        stepper->setDoubleValue(value);
    }
}

void Card_Wizard::Card_Width_Changed(bool fromStepper)
{
    if (fromStepper)
        platform::showNumber(width_Text, width_Stepper->doubleValue(), platform::PairFormat::TwoDecimals);
}

void Card_Wizard::Card_Height_Changed(bool fromStepper)
{
    if (fromStepper)
        platform::showNumber(height_Text, height_Stepper->doubleValue(), platform::PairFormat::TwoDecimals);
}

void Card_Wizard::Apply_Size_Clicked()
{
    try {
        Apply_unit_Chaneg_Values();
        const float widthMM = float(platform::fieldValue(width_Text, width_Stepper->doubleValue()));
        const float heightMM = float(platform::fieldValue(height_Text, height_Stepper->doubleValue()));
        projects.design().SetDocumentCanvasSize(QSizeF(MM_to_Points_Convert(widthMM), MM_to_Points_Convert(heightMM)));
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void Card_Wizard::Enable_Disable_Size_Param_Acc_To_Label_Selection(bool enable)
{
    for (QLineEdit *f : {width_Text, height_Text}) {
        f->setReadOnly(!enable);
        f->setEnabled(enable);
    }
    width_Stepper->setEnabled(enable);
    height_Stepper->setEnabled(enable);
    page_frm_printer_btn->setEnabled(enable);
}

void Card_Wizard::comboBoxSelectionDidChange(QComboBox *combo)
{
    try {
        if (combo == Label_ComboBox) {
            const QSignalBlocker block(Product_num_ComboBox);
            platform::ui::fillCombo(Product_num_ComboBox, {});
            prod_list.clear();
            if (Label_ComboBox->currentText() == QLatin1String("Custom")) {
                Product_num_ComboBox->addItem(QString());
                Enable_Disable_Size_Param_Acc_To_Label_Selection(true);
                Product_num_ComboBox->setEnabled(false);
                Set_Size_Fields(100.0, 100.0);
                Apply_unit_Chaneg_Values();
                Product_num_ComboBox->setCurrentIndex(-1);
                return;
            }
            Enable_Disable_Size_Param_Acc_To_Label_Selection(false);
            Product_num_ComboBox->setEnabled(true);
            Read_XML_File(labelstock::Catalogue_Path(Resource_Path, Label_ComboBox->currentText()), QString(), QString(),
                          false);
            if (Product_num_ComboBox->count() > 0) {
                Product_num_ComboBox->setCurrentIndex(0);
                Read_Selected_Product_Label_Value();
            }
        } else if (combo == Product_num_ComboBox) {
            Read_Selected_Product_Label_Value();
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void Card_Wizard::Read_XML_File(const QString &path, const QString &, const QString &vendor, bool)
{
    QStringList items;
    for (int i = 0; i < Product_num_ComboBox->count(); ++i)
        items << Product_num_ComboBox->itemText(i);
    const int before = int(items.size());
    labelstock::CatalogueRead read = labelstock::Read_Catalogue(path, vendor, items);
    prod_list = std::move(read.products);
    const QSignalBlocker block(Product_num_ComboBox);
    const int selected = Product_num_ComboBox->currentIndex();
    Product_num_ComboBox->addItems(read.items.mid(before));
    Product_num_ComboBox->setCurrentIndex(selected);
}

void Card_Wizard::Read_Selected_Product_Label_Value()
{
    try {
        const int index = Product_num_ComboBox->currentIndex();
        if (prod_list.empty() || index < 0 || index >= int(prod_list.size()))
            return;
        const QSizeF mm = labelstock::Label_Size_MM(prod_list.at(size_t(index)));
        Set_Size_Fields(mm.width(), mm.height());
        Apply_unit_Chaneg_Values();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
