#include "data/Update_Ex_Num.h"

#include "core/Messages.h"
#include "core/Utilities.h"
#include "data/BatchWizard.h"
#include "data/SeriesListModel.h"
#include "platform/Dialogs.h"

#include "ui_Update_Ex_Num.h"

#include <QLineEdit>
#include <QPushButton>

#include <exception>

Update_Ex_Num::Update_Ex_Num(BatchWizard &owner, QWidget *parent) : QDialog(parent), m_owner(owner)
{
    Ui::Update_Ex_Num ui;
    ui.setupUi(this);
    m_ex_num_str = ui.m_ex_num_str;
    m_s_number = ui.m_s_number;
    m_ex_num_index = ui.m_ex_num_index;
    okButton = ui.OKPressed;
    cancelButton = ui.CancelPressed;
    m_s_number->hide();
    m_ex_num_index->hide();
    connect(okButton, &QPushButton::clicked, this, &Update_Ex_Num::OKPressed);
    connect(cancelButton, &QPushButton::clicked, this, &Update_Ex_Num::CancelPressed);
}

int Update_Ex_Num::runEditor()
{
    m_handled = false;
    m_result = 0;
    m_ex_num_str->setFocus();
    setResult(0);
    platform::runModal(*this);
    if (!m_handled)
        CancelPressed();
    hide();
    return m_result;
}

void Update_Ex_Num::OKPressed()
{
    try {
        if (m_ex_num_str->text() != m_s_number->text()) {
            const QString value = Trim_Str(m_ex_num_str->text());
            if (value.isEmpty()) {
                Show_MessageBox(QStringLiteral("Please enter a valid value."));
                m_ex_num_str->setFocus();
                return;
            }
            bool ok = false;
            const int row = m_ex_num_index->text().toInt(&ok);
            // The row the manager filled in; a table changed meanwhile keeps its values.
            if (ok && row >= 0 && row < m_owner.ListData_value->size())
                m_owner.ListData_value->replace(row, value);
            emptyFields();
        }
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
    m_handled = true;
    m_result = 1;
    done(1);
}

void Update_Ex_Num::CancelPressed()
{
    emptyFields();
    m_handled = true;
    m_result = 0;
    done(0);
}

void Update_Ex_Num::controlTextDidChange(QObject *) {}

void Update_Ex_Num::emptyFields()
{
    for (QLineEdit *field : {m_ex_num_str, m_s_number, m_ex_num_index})
        field->setText(QString());
}
