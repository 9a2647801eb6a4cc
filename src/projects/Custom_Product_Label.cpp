#include "projects/Custom_Product_Label.h"

#include "core/Messages.h"
#include "core/Utilities.h"

#include "ui_Custom_Product_Label.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
void bindCustomProductLabel(Custom_Product_Label &c, const Ui::Custom_Product_Label &ui)
{
    c.prod_number = ui.prod_number;
    c.okButton = ui.OKPressed;
    c.cancelButton = ui.CancelPressed;
}
} // namespace

Custom_Product_Label *Custom_Product_Label::defaultInstance()
{
    static Custom_Product_Label *instance = new Custom_Product_Label;
    return instance;
}

Custom_Product_Label::Custom_Product_Label(QWidget *parent)
    : QDialog(parent)
{
    Ui::Custom_Product_Label ui;
    ui.setupUi(this);
    bindCustomProductLabel(*this, ui);
    connect(okButton, &QPushButton::clicked, this, &Custom_Product_Label::OKPressed);
    connect(cancelButton, &QPushButton::clicked, this, &Custom_Product_Label::CancelPressed);
}

void Custom_Product_Label::OKPressed()
{
    // Cleaning comes before the emptiness check, so that no name of only reserved characters (which
    // would name the folder itself) is ever written.
    const QString name = Remove_Reserve_Char_In_File_Name(Trim_Str(prod_number->text()));
    if (name.isEmpty()) {
        Show_MessageBox(QStringLiteral("Please enter product number."));
        return;
    }
    custom_prod_name = name;
    done(1);
}

void Custom_Product_Label::CancelPressed()
{
    prod_number->clear();
    done(0);
}
