#include "data/Generate_List.h"

#include "core/Globals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "data/BatchWizard.h"
#include "data/GeneratorFields.h"
#include "io/SeriesStore.h"
#include "platform/Dialogs.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include "ui_Generate_List.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <exception>

using series_generator::Field;
using series_generator::Mode;

namespace {

const QString kHelpTitle = QStringLiteral("Maintain number of Digits By adding 0's before smaller values. ");
const QString kHelpText = QStringLiteral(
    "For example:\r\nIf you have to generate a series having values from '0' to '200', this option automatically "
    "converts small values such as '1' to '001' and '11' to '011' to maintain number of digits same as the highest "
    "value in the series.\r\n\r\nSimilarly, if you have selected a series starting from '001' to '00200', this option "
    "automatically converts small values such as '001' to '00001' and '0011' to '00011' to maintain number of digits "
    "same as the highest value in the series.");

void bindForm(Generate_List &d, const Ui::Generate_List &ui)
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
    d.seq_file_name = ui.seq_file_name;
    d.const_file_name = ui.const_file_name;
    d.rndm_file_name = ui.rndm_file_name;
    d.seq_file_lbl = ui.seq_file_lbl;
    d.const_file_lbl = ui.const_file_lbl;
    d.rndm_file_lbl = ui.rndm_file_lbl;
    d.ok_btn = ui.ok_btn;
    d.cancel_btn = ui.cancel_btn;
}

} // namespace

Generate_List *Generate_List::defaultInstance()
{
    static Generate_List *instance = nullptr;
    if (!instance)
        instance = new Generate_List;   // lives for the whole process
    return instance;
}

Generate_List::Generate_List()
{
    Ui::Generate_List ui;
    ui.setupUi(this);
    bindForm(*this, ui);
    connect(radioButton_Sequntial, &QRadioButton::clicked, this, &Generate_List::Sequintial_Radio_Pressed);
    connect(radioButton_Constant, &QRadioButton::clicked, this, &Generate_List::Constant_Radio_Pressed);
    connect(radioButton_Random, &QRadioButton::clicked, this, &Generate_List::Random_Radio_Pressed);
    connect(ok_btn, &QPushButton::clicked, this, &Generate_List::OKPressed);
    connect(cancel_btn, &QPushButton::clicked, this, &Generate_List::CancelPressed);
    connect(help_btn, &QPushButton::clicked, this, &Generate_List::Help_btn_Pressed);
    platform::connectPair(count_stepper, nullptr, this, [this](QObject *s) { Count_Stepper_Pressed(s); });
    platform::connectPair(rand_length_stepper, nullptr, this, [this](QObject *s) { Random_Length_Stepper_Pressed(s); });
    platform::connectPair(rand_count_stepper, nullptr, this, [this](QObject *s) { Random_Count_Stepper_Pressed(s); });
    // The limits apply when the editing of a field ends, never while the user types.
    generator_fields::Connect_Typed_Fields(countFields(), this,
                                           [this](QObject *field) { controlTextDidChange(field); });
}

void Generate_List::Open_Wnd()
{
    try {
        for (QLineEdit *name : {seq_file_name, const_file_name, rndm_file_name})
            name->clear();
        const bool named = file_name_required == 1;
        for (QWidget *w : std::initializer_list<QWidget *>{seq_file_name, const_file_name, rndm_file_name,
                                                           seq_file_lbl, const_file_lbl, rndm_file_lbl})
            w->setVisible(named);
        if (named)
            seq_file_name->setText(default_file_name);
        seq_file_name->setEnabled(true);
        const_file_name->setEnabled(false);
        rndm_file_name->setEnabled(false);
        for (QLineEdit *field : {prefix_txt, suffix_txt, from_txt, to_txt, value_txt, rand_prefix_txt, rand_suffix_txt})
            field->clear();
        manage_digit_chk->setChecked(false);
        for (QLineEdit *field : {count_txt, rand_length_txt, rand_count_txt})
            field->setText(QStringLiteral("1"));
        for (platform::Stepper *stepper : {count_stepper, rand_length_stepper, rand_count_stepper})
            stepper->setIntValue(1);
        radioButton_Sequntial->setChecked(true);
        seq_box->setEnabled(true);
        const_box->setEnabled(false);
        rand_box->setEnabled(false);
        help_btn->setEnabled(true);
        adjustSize();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    prefix_txt->setFocus();
    platform::runModal(*this);
    hide();
}

void Generate_List::switchMode(Mode mode)
{
    radioButton_Sequntial->setChecked(mode == Mode::Sequential);
    radioButton_Constant->setChecked(mode == Mode::Constant);
    radioButton_Random->setChecked(mode == Mode::Random);
    QLineEdit *name = nameField();
    if (Trim_Str(name->text()).isEmpty())
        name->setText(default_file_name);
    seq_box->setEnabled(mode == Mode::Sequential);
    const_box->setEnabled(mode == Mode::Constant);
    rand_box->setEnabled(mode == Mode::Random);
    seq_file_name->setEnabled(mode == Mode::Sequential);
    const_file_name->setEnabled(mode == Mode::Constant);
    rndm_file_name->setEnabled(mode == Mode::Random);
}

void Generate_List::Sequintial_Radio_Pressed() { switchMode(Mode::Sequential); }
void Generate_List::Constant_Radio_Pressed() { switchMode(Mode::Constant); }
void Generate_List::Random_Radio_Pressed() { switchMode(Mode::Random); }

QLineEdit *Generate_List::nameField() const
{
    if (radioButton_Constant->isChecked())
        return const_file_name;
    if (radioButton_Random->isChecked())
        return rndm_file_name;
    return seq_file_name;
}

QLineEdit *Generate_List::fieldOf(Field field) const
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

series_generator::Input Generate_List::input() const
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

void Generate_List::OKPressed()
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
    try {
        if (file_name_required == 1) {
            if (!deliverToFile(in))
                return;   // a refused name, No to the replace question or a failed write: the dialog stays
        } else {
            deliverToManager(in);
        }
        if (file_name_Insert == 1)
            BatchWizard::defaultInstance()->Fill_List();
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
    done(1);
}

bool Generate_List::deliverToFile(const series_generator::Input &in)
{
    const series_store::WriteResult result = series_store::createOrReplaceStreamed(
        nameField()->text(), [&in](const series_store::ValueSink &sink, QString *reason) {
            try {
                return series_generator::produce(in, sink);
            } catch (const std::exception &e) {
                *reason = QString::fromUtf8(e.what());
                return false;
            }
        });
    if (result == series_store::WriteResult::InvalidName)
        nameField()->setFocus();
    // Values that could not be made end the run as after OK, their reason shown and nothing kept.
    return result == series_store::WriteResult::Written || result == series_store::WriteResult::Abandoned;
}

void Generate_List::deliverToManager(const series_generator::Input &in)
{
    BatchWizard *manager = BatchWizard::defaultInstance();
    // The table is redisplayed once when every value is in.
    const BatchWizard::Delivery delivery(*manager);
    series_generator::produce(in, [manager](const QString &value) {
        manager->Create_Value_List(value);
        return true;
    });
}

void Generate_List::CancelPressed() { done(0); }

void Generate_List::Count_Stepper_Pressed(QObject *sender)
{
    platform::copyPair(sender, count_stepper, count_txt, platform::PairFormat::Integer);
}

void Generate_List::Random_Length_Stepper_Pressed(QObject *sender)
{
    platform::copyPair(sender, rand_length_stepper, rand_length_txt, platform::PairFormat::Integer);
}

void Generate_List::Random_Count_Stepper_Pressed(QObject *sender)
{
    platform::copyPair(sender, rand_count_stepper, rand_count_txt, platform::PairFormat::Integer);
}

generator_fields::Fields Generate_List::countFields() const
{
    return {count_txt, count_stepper, rand_length_txt, rand_length_stepper, rand_count_txt, rand_count_stepper, from_txt, to_txt};
}

void Generate_List::controlTextDidChange(QObject *control)
{
    generator_fields::Limit_Typed_Field(countFields(), control);
}

void Generate_List::Help_btn_Pressed() { generator_fields::Show_Padding_Help(kHelpTitle, kHelpText); }
