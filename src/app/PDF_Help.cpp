#include "app/PDF_Help.h"

#include "app/HelpAbout.h"
#include "platform/Dialogs.h"

#include "ui_PDF_Help.h"

#include <QPushButton>

PDF_Help::PDF_Help() { awakeFromNib(); }

PDF_Help::~PDF_Help() { delete m_window; }

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

int HelpAbout::Run_PDF_Help()
{
    static PDF_Help *help = new PDF_Help;   // one help window for the process
    QDialog *w = help->window();
    if (!w)
        return 0;
    const int code = platform::runModal(*w);
    w->hide();
    return code;
}
