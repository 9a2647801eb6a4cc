#include "data/Generate_List_Barcode.h"

#include "core/Messages.h"
#include "data/GeneratorFields.h"
#include "data/ValueListHost.h"
#include "platform/Dialogs.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include "ui_Generate_List_Barcode.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <exception>

using series_generator::Field;
using series_generator::Mode;

namespace {

const QString kHelpTitle = QStringLiteral("Maintain number of Digits By adding 0's before smaller values. ");
const QString kHelpText = QStringLiteral(
    "For example:\r\nIf you have to generate a series of barcodes having values from '0' to '200', this option "
    "automatically converts small values such as '1' to '001' and '11' to '011' to maintain number of digits same as "
    "the highest value in the series.\r\n\r\nSimilarly, if you have selected a series starting from '001' to '00200', "
    "this option automatically converts small values such as '001' to '00001' and '0011' to '00011' to maintain "
    "number of digits same as the highest value in the series.");
const QString kNoOption = QStringLiteral("Please select at least one from 'Create List Option'.");

void bindForm(Generate_List_Barcode &d, const Ui::Generate_List_Barcode &ui)
{
    d.radioButton_Sequntial = ui.radioButton_Sequntial;
    d.radioButton_Constant = ui.radioButton_Constant;
    d.radioButton_Random = ui.radioButton_Random;
    d.seq_box = ui.seq_box;
    d.const_box = ui.const_box;
    d.rand_box = ui.rand_box;
    d.prefix_txt = ui.prefix_txt;
    d.suffix_txt = ui.suffix_txt;
    d.from_txt = ui.from_txt;
    d.to_txt = ui.to_txt;
    d.manage_digit_chk = ui.manage_digit_chk;
    d.help_btn = ui.help_btn;
    d.value_txt = ui.value_txt;
    d.count_txt = ui.count_txt;
    d.count_stepper = ui.count_stepper;
    d.rand_prefix_txt = ui.rand_prefix_txt;
    d.rand_suffix_txt = ui.rand_suffix_txt;
    d.rand_length_txt = ui.rand_length_txt;
    d.rand_length_stepper = ui.rand_length_stepper;
    d.rand_count_txt = ui.rand_count_txt;
    d.rand_count_stepper = ui.rand_count_stepper;
    d.chk_value = ui.chk_value;
    d.chk_header = ui.chk_header;
    d.chk_footer = ui.chk_footer;
    d.chk_pq = ui.chk_pq;
    d.radioButton_At_Start = ui.radioButton_At_Start;
    d.radioButton_At_End = ui.radioButton_At_End;
    d.ok_btn = ui.ok_btn;
    d.cancel_btn = ui.cancel_btn;
}

} // namespace

Generate_List_Barcode *Generate_List_Barcode::defaultInstance()
{
    static Generate_List_Barcode *instance = nullptr;
    if (!instance)
        instance = new Generate_List_Barcode;   // lives for the whole process
    return instance;
}

Generate_List_Barcode::Generate_List_Barcode()
{
    Ui::Generate_List_Barcode ui;
    ui.setupUi(this);
    bindForm(*this, ui);
    connect(radioButton_Sequntial, &QRadioButton::clicked, this, &Generate_List_Barcode::Sequintial_Radio_Pressed);
    connect(radioButton_Constant, &QRadioButton::clicked, this, &Generate_List_Barcode::Constant_Radio_Pressed);
    connect(radioButton_Random, &QRadioButton::clicked, this, &Generate_List_Barcode::Random_Radio_Pressed);
    connect(radioButton_At_Start, &QRadioButton::clicked, this, &Generate_List_Barcode::Start_Radio_Pressed);
    connect(radioButton_At_End, &QRadioButton::clicked, this, &Generate_List_Barcode::End_Radio_Pressed);
    connect(ok_btn, &QPushButton::clicked, this, &Generate_List_Barcode::OKPressed);
    connect(cancel_btn, &QPushButton::clicked, this, &Generate_List_Barcode::CancelPressed);
    connect(help_btn, &QPushButton::clicked, this, &Generate_List_Barcode::Help_btn_Pressed);
    platform::connectPair(count_stepper, nullptr, this, [this](QObject *s) { Count_Stepper_Pressed(s); });
    platform::connectPair(rand_length_stepper, nullptr, this, [this](QObject *s) { Random_Length_Stepper_Pressed(s); });
    platform::connectPair(rand_count_stepper, nullptr, this, [this](QObject *s) { Random_Count_Stepper_Pressed(s); });
    // The limits apply when the editing of a field ends, never while the user types.
    generator_fields::Connect_Typed_Fields(countFields(), this,
                                           [this](QObject *field) { controlTextDidChange(field); });
}

void Generate_List_Barcode::Open_Wnd(ValueListHost &list)
{
    try {
        for (QLineEdit *field : {prefix_txt, suffix_txt, from_txt, to_txt, value_txt, rand_prefix_txt, rand_suffix_txt})
            field->clear();
        manage_digit_chk->setChecked(false);
        for (QLineEdit *field : {count_txt, rand_length_txt, rand_count_txt})
            field->setText(QStringLiteral("1"));
        for (platform::Stepper *stepper : {count_stepper, rand_length_stepper, rand_count_stepper})
            stepper->setIntValue(1);
        switchMode(Mode::Sequential);
        help_btn->setEnabled(true);
        for (QCheckBox *box : {chk_value, chk_header, chk_footer, chk_pq})
            box->setChecked(false);
        Start_Radio_Pressed();
        adjustSize();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    prefix_txt->setFocus();
    setResult(0);   // a refusal leaves the run going: no result of an earlier run stands for it
    m_list = &list;
    platform::runModal(*this);
    m_list = nullptr;
    hide();
}

void Generate_List_Barcode::switchMode(Mode mode)
{
    radioButton_Sequntial->setChecked(mode == Mode::Sequential);
    radioButton_Constant->setChecked(mode == Mode::Constant);
    radioButton_Random->setChecked(mode == Mode::Random);
    seq_box->setEnabled(mode == Mode::Sequential);
    const_box->setEnabled(mode == Mode::Constant);
    rand_box->setEnabled(mode == Mode::Random);
}

void Generate_List_Barcode::Sequintial_Radio_Pressed() { switchMode(Mode::Sequential); }
void Generate_List_Barcode::Constant_Radio_Pressed() { switchMode(Mode::Constant); }
void Generate_List_Barcode::Random_Radio_Pressed() { switchMode(Mode::Random); }

void Generate_List_Barcode::Start_Radio_Pressed()
{
    radioButton_At_Start->setChecked(true);
    radioButton_At_End->setChecked(false);
}

void Generate_List_Barcode::End_Radio_Pressed()
{
    radioButton_At_End->setChecked(true);
    radioButton_At_Start->setChecked(false);
}

QLineEdit *Generate_List_Barcode::fieldOf(Field field) const
{
    switch (field) {
    case Field::From: return from_txt;
    case Field::To: return to_txt;
    case Field::Value: return value_txt;
    case Field::Count: return count_txt;
    case Field::RandomCount: return rand_count_txt;
    case Field::RandomLength: return rand_length_txt;
    }
    return from_txt;
}

series_generator::Input Generate_List_Barcode::input() const
{
    series_generator::Input in;
    in.mode = radioButton_Constant->isChecked() ? Mode::Constant
              : radioButton_Random->isChecked() ? Mode::Random
                                                : Mode::Sequential;
    in.prefix = prefix_txt->text();
    in.suffix = suffix_txt->text();
    in.from = from_txt->text();
    in.to = to_txt->text();
    in.padding = manage_digit_chk->isChecked();
    in.value = value_txt->text();
    in.count = count_txt->text();
    in.randPrefix = rand_prefix_txt->text();
    in.randSuffix = rand_suffix_txt->text();
    in.randLength = rand_length_txt->text();
    in.randCount = rand_count_txt->text();
    return in;
}

void Generate_List_Barcode::OKPressed()
{
    // A number still being typed is taken first; a refused one generates nothing.
    if (!generator_fields::End_Typing(countFields()))
        return;
    const series_generator::Input in = input();
    if (const std::optional<series_generator::Refusal> refusal = series_generator::validate(in)) {
        Show_MessageBox(refusal->message);
        fieldOf(refusal->focus)->setFocus();
        return;
    }
    if (!chk_value->isChecked() && !chk_header->isChecked() && !chk_footer->isChecked() && !chk_pq->isChecked()) {
        Show_MessageBox(kNoOption);
        chk_value->setFocus();
        return;
    }
    try {
        if (m_list)
            fillList(*m_list, in);
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
    done(1);
}

void Generate_List_Barcode::fillList(ValueListHost &list, const series_generator::Input &in)
{
    using namespace value_list;
    const bool toValue = chk_value->isChecked(), toHeader = chk_header->isChecked(),
               toFooter = chk_footer->isChecked(), toPQ = chk_pq->isChecked();
    const QList<ValueRecord> &records = list.records();
    const qsizetype n = records.size();
    qsizetype i = radioButton_At_Start->isChecked() && !radioButton_At_End->isChecked() ? 0 : n;
    ValueListHost::WaitSheet wait(list);
    // The table shows what was written, also when the generation stopped part way.
    struct ReloadAtEnd {
        ValueListHost &list;
        ~ReloadAtEnd() { list.Reload_List(); }
    } reload{list};
    series_generator::produce(in, [&](const QString &generated) {
        QString value, header, footer, pq;
        if (i < n) {
            const ValueRecord &old = records.at(i);
            value = old.value(kValue);
            header = old.value(kHeader);
            footer = old.value(kFooter);
            pq = old.value(kPQ);
        }
        if (toValue)
            value = generated;
        if (toHeader)
            header = generated;
        if (toFooter)
            footer = generated;
        if (toPQ)
            pq = generated;
        if (i < n)
            list.Replace_Item_List(value, header, footer, pq, int(i));
        else   // the end of the list, also after a value the list refused
            list.Create_Item_List(value, header, footer, pq, int(records.size()));
        ++i;
        return true;
    });
}

void Generate_List_Barcode::CancelPressed() { done(0); }

void Generate_List_Barcode::Count_Stepper_Pressed(QObject *sender)
{
    platform::copyPair(sender, count_stepper, count_txt, platform::PairFormat::Integer);
}

void Generate_List_Barcode::Random_Length_Stepper_Pressed(QObject *sender)
{
    platform::copyPair(sender, rand_length_stepper, rand_length_txt, platform::PairFormat::Integer);
}

void Generate_List_Barcode::Random_Count_Stepper_Pressed(QObject *sender)
{
    platform::copyPair(sender, rand_count_stepper, rand_count_txt, platform::PairFormat::Integer);
}

generator_fields::Fields Generate_List_Barcode::countFields() const
{
    return {count_txt, count_stepper, rand_length_txt, rand_length_stepper, rand_count_txt, rand_count_stepper, from_txt, to_txt};
}

void Generate_List_Barcode::controlTextDidChange(QObject *control)
{
    generator_fields::Limit_Typed_Field(countFields(), control);
}

void Generate_List_Barcode::Help_btn_Pressed() { generator_fields::Show_Padding_Help(kHelpTitle, kHelpText); }
