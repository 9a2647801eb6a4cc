#include "data/Update_List_Details.h"

#include "core/Messages.h"
#include "data/ValueListHost.h"
#include "io/ValueListRules.h"
#include "platform/CountField.h"
#include "platform/Dialogs.h"

#include "ui_Update_List_Details.h"

#include <QLineEdit>
#include <QPushButton>

#include <exception>

namespace {
void bindSheet(Update_List_Details &sheet, const Ui::Update_List_Details &ui)
{
    sheet.m_bar_value_str = ui.m_bar_value_str;
    sheet.m_bar_hdr_str = ui.m_bar_hdr_str;
    sheet.m_bar_ftr_str = ui.m_bar_ftr_str;
    sheet.m_bar_pq_str = ui.m_bar_pq_str;
    sheet.m_s_indx_str = ui.m_s_indx_str;
    sheet.okButton = ui.OKPressed;
    sheet.cancelButton = ui.CancelPressed;
}
} // namespace

Update_List_Details::Update_List_Details(ValueListHost &list, QWidget *parent)
    : QDialog(parent), m_list(list)
{
    Ui::Update_List_Details ui;
    ui.setupUi(this);
    bindSheet(*this, ui);
    m_s_indx_str->hide();
    connect(okButton, &QPushButton::clicked, this, &Update_List_Details::OKPressed);
    connect(cancelButton, &QPushButton::clicked, this, &Update_List_Details::CancelPressed);
    // The print quantity is a whole number from 1 to 1000, taken or refused when its typing ends.
    platform::connectCountField(m_bar_pq_str, {QStringLiteral("print quantity"), 1, 1000}, this, {});
}

int Update_List_Details::runSheet()
{
    m_handled = false;
    m_bar_value_str->setFocus();
    const int code = platform::runModal(*this);
    if (!m_handled) {
        if (code == 1)
            OKPressed();
        else
            CancelPressed();
    }
    hide();
    return m_result;
}

void Update_List_Details::OKPressed()
{
    // A print quantity still being typed is taken first; a refused one keeps the sheet open.
    if (!platform::endTyping({m_bar_pq_str}))
        return;
    try {
        m_list.Replace_Item_List(m_bar_value_str->text(), m_bar_hdr_str->text(), m_bar_ftr_str->text(),
                                 m_bar_pq_str->text(), value_list::leadingInt(m_s_indx_str->text()));
        m_list.Reload_List();
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
    emptyFields();
    m_handled = true;
    m_result = 1;
    done(1);
}

void Update_List_Details::CancelPressed()
{
    emptyFields();
    m_handled = true;
    m_result = 0;
    done(0);
}

void Update_List_Details::emptyFields()
{
    // setText, not clear(): it also forgets the fields' undo history.
    for (QLineEdit *field : {m_bar_value_str, m_bar_hdr_str, m_bar_ftr_str, m_bar_pq_str, m_s_indx_str})
        field->setText(QString());
}
