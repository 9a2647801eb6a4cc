// The handlers the object panels leave to the controller: the colour pre-step on the selected
// objects, the font chooser of the card pages, and the date and time of the text source.

#include "design/DesignController.h"

#include "core/DateText.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "model/SKTGraphic.h"
#include "platform/Dialogs.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <exception>

void DesignController::Fill_And_Set_Color_Event_Generator(const QColor &color)
{
    for (const std::shared_ptr<SKTGraphic> &g : Selected_Graphic_Objects())
        if (g)
            g->setColor(color);
}

// ---- Font, date and time ----

void DesignController::Choose_Font(const QFont &current, void (DesignController::*action)(const QFont &))
{
    try {
        if (const std::optional<QFont> picked = platform::chooseFont(current))
            (this->*action)(*picked);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

namespace {

// The text at the value editor's selection (or caret), then the text transfer.
void insertAtSelection(QPlainTextEdit *editor, const QString &text)
{
    if (!editor)
        return;
    QTextCursor cursor = editor->textCursor();
    cursor.insertText(text);
    editor->setTextCursor(cursor);
}

QString chosenPattern(const QComboBox *list)
{
    return list && list->currentIndex() >= 0 ? Trim_Str(list->currentText()) : QString();
}

} // namespace

void DesignController::Text_Insert_Date()
{
    const QString pattern = chosenPattern(Text_Date_style);
    if (pattern.isEmpty()) {
        Show_MessageBox(QStringLiteral("Please select Date format."));
        return;
    }
    insertAtSelection(Text_value_Edit, Get_date_Value(pattern));
    Update_Text_Graphics();
}

void DesignController::Text_Insert_Time()
{
    const QString pattern = chosenPattern(Text_Time_style);
    if (pattern.isEmpty()) {
        Show_MessageBox(QStringLiteral("Please select Time format."));
        return;
    }
    insertAtSelection(Text_value_Edit, Get_time_Value(pattern));
    Update_Text_Graphics();
}
