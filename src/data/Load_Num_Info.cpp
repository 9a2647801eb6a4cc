#include "data/Load_Num_Info.h"

#include "platform/Dialogs.h"

#include "ui_Load_Num_Info.h"

#include <QPushButton>

Load_Num_Info::Load_Num_Info(QWidget *parent) : QDialog(parent)
{
    Ui::Load_Num_Info ui;
    ui.setupUi(this);
    yesButton = ui.YESPressed;
    noButton = ui.NOPressed;
    cancelButton = ui.CancelPressed;
    connect(yesButton, &QPushButton::clicked, this, &Load_Num_Info::YESPressed);
    connect(noButton, &QPushButton::clicked, this, &Load_Num_Info::NOPressed);
    connect(cancelButton, &QPushButton::clicked, this, &Load_Num_Info::CancelPressed);
}

int Load_Num_Info::runQuestion()
{
    m_answer = Cancelled;
    yesButton->setFocus();
    setResult(0);
    platform::runModal(*this);
    hide();
    return m_answer;
}

void Load_Num_Info::finish(int answer)
{
    m_answer = answer;
    done(answer);
}

void Load_Num_Info::YESPressed() { finish(EmptyFirst); }
void Load_Num_Info::NOPressed() { finish(Append); }
void Load_Num_Info::CancelPressed() { finish(Cancelled); }
