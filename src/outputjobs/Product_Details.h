#pragma once
// One label-stock product of a vendor catalogue: sheet size, label size, the grid of labels on the
// sheet and the product's names. Every field is text as the catalogue holds it, in the catalogue's
// unit (`Unit`); a null string is a field the catalogue did not give, which readers take as "".

#include <QString>

class Product_Details {
public:
    QString Unit;
    QString paper_number;
    QString paperWidth;
    QString paperHeight;
    QString labelHeight;
    QString labelWidth;
    QString rows;
    QString cols;
    QString topM;
    QString leftM;
    QString horigap;
    QString vertigap;
    QString productID;
    QString layoutGroup;
    QString Prod_name_group;
    QString desc_name_group;
    QString desc_name_val;
    QString master_id;
    QString master_height;
    QString master_width;
    QString master_shape;
    QString master_bottomMargin;
    QString master_leftMargin;
    QString master_rightMargin;
    QString master_topMargin;
    QString master_centerContent;
    QString manual_paper_name;
};
