#include "app/PDF_Help.h"

#include "ui_PDF_Help.h"

#include <QPushButton>

PDF_Help::PDF_Help() { awakeFromNib(); }

PDF_Help::~PDF_Help() { delete m_window; }

void PDF_Help::setWindow(QDialog *w)
{
    if (w == m_window)
        return;
    delete m_window;
    m_window = w;
}

void PDF_Help::awakeFromNib()
{
    m_window = new QDialog;
    Ui::PDF_Help ui;
    ui.setupUi(m_window);
    QObject::connect(ui.ok_button, &QPushButton::clicked, this, &PDF_Help::OKPressed);
}

void PDF_Help::OKPressed()
{
    if (m_window)
        m_window->done(1);
}
