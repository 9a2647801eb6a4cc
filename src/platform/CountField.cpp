#include "platform/CountField.h"

#include <QLineEdit>
#include <QObject>
#include <QPointer>
#include <QValidator>

namespace platform {

namespace {

// The field's own validator, with the rule as its fix-up: a field left empty (which a number
// validator holds to be unfinished, and so would end no editing) is fixed to a count, and its
// editing ends as any other.
class CountValidator : public QValidator {
public:
    CountValidator(const QValidator *own, QObject *parent) : QValidator(parent), m_own(own) {}
    State validate(QString &text, int &pos) const override
    {
        return m_own ? m_own->validate(text, pos) : Acceptable;
    }
    void fixup(QString &text) const override { text = QString::number(typedCount(text)); }

private:
    QPointer<const QValidator> m_own;
};

} // namespace

int typedCount(const QString &text)
{
    const QString t = text.trimmed();
    qsizetype end = 0;
    while (end < t.size() && ((t.at(end).isDigit() && t.at(end).unicode() < 128)
                              || (end == 0 && (t.at(end) == QLatin1Char('-') || t.at(end) == QLatin1Char('+')))))
        ++end;
    bool ok = false;
    const int value = t.left(end).toInt(&ok);
    return ok && value >= 1 ? value : 1;
}

void connectCountField(QLineEdit *field, QObject *context, std::function<void()> handler)
{
    if (!field)
        return;
    if (!dynamic_cast<const CountValidator *>(field->validator()))
        field->setValidator(new CountValidator(field->validator(), field));
    QObject::connect(field, &QLineEdit::editingFinished, context, [field, handler] {
        const QString count = QString::number(typedCount(field->text()));
        if (field->text() != count)
            field->setText(count);
        if (handler)
            handler();
    });
}

} // namespace platform
