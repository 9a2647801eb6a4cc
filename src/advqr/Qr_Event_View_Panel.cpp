#include "advqr/Qr_Event_View_Panel.h"

#include "ui_Qr_Event_View_Panel.h"

#include <QDateEdit>
#include <QDateTime>
#include <QLineEdit>
#include <QTimeEdit>

Qr_Event_View_Panel *Qr_event_OBJ = nullptr;

namespace {

void bindEventPanel(Qr_Event_View_Panel &p, const Ui::Qr_Event_View_Panel &ui)
{
    [[maybe_unused]] const auto &[form, event_name_lbl, event_name, event_location_lbl, event_location, Date_From_lbl,
                                  Date_From_Ctrl, Time_From_Ctrl, Date_To_lbl, Date_To_Ctrl, Time_To_Ctrl,
                                  event_description_lbl, event_description] = ui;
    p.event_name = ui.event_name;
    p.event_location = ui.event_location;
    p.event_description = ui.event_description;
    p.Date_From_Ctrl = ui.Date_From_Ctrl;
    p.Date_To_Ctrl = ui.Date_To_Ctrl;
    p.Time_From_Ctrl = ui.Time_From_Ctrl;
    p.Time_To_Ctrl = ui.Time_To_Ctrl;
}

} // namespace

Qr_Event_View_Panel::Qr_Event_View_Panel(QWidget *parent) : QrPanelBase(parent)
{
    Ui::Qr_Event_View_Panel ui;
    ui.setupUi(this);
    bindEventPanel(*this, ui);
    // The event starts now.
    const QDateTime now = QDateTime::currentDateTime();
    for (QDateEdit *d : {Date_From_Ctrl, Date_To_Ctrl}) {
        d->setDate(now.date());
        connect(d, &QDateEdit::dateChanged, this, &QrPanelBase::edited);
    }
    for (QTimeEdit *t : {Time_From_Ctrl, Time_To_Ctrl}) {
        t->setTime(now.time());
        connect(t, &QTimeEdit::timeChanged, this, &QrPanelBase::edited);
    }
    watch(event_name);
    watch(event_location);
    watch(event_description);
    Qr_event_OBJ = this;
}

Qr_Event_View_Panel::~Qr_Event_View_Panel() { forget(Qr_event_OBJ, this); }
