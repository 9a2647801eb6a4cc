#pragma once
// What the series tools need of the Barcode mode's value list, without knowing the mode: its records
// to fill (the list generator, the workbook import, the edit-row sheet) and the mode's series
// choices after the series folder changed (the backup dialog). The Barcode mode implements it
// (BarcodeValueListHost); tests may use a fake.

#include "io/ValueRecord.h"

#include <QList>
#include <QString>

#include <utility>

class ValueListHost {
public:
    virtual ~ValueListHost() = default;

    // ---- The records ----
    virtual const QList<ValueRecord> &records() const = 0;
    // The list's creation and replacement rules (value_list::createRecord and replaceRecord), with
    // the mode's count and print-quantity flag.
    virtual bool Create_Item_List(const QString &value, const QString &Header_str, const QString &Footer_str,
                                  const QString &PQ_str, int at_index) = 0;
    virtual void Replace_Item_List(const QString &value, const QString &Header_str, const QString &Footer_str,
                                   const QString &PQ_str, int at_index) = 0;
    // The table shows the records anew.
    virtual void Reload_List() = 0;
    // The count an import started from (prev_list_item_barcode): an import that ends on the same
    // count brought nothing.
    virtual int prevListItemCount() const = 0;
    virtual void setPrevListItemCount(int count) = 0;

    // ---- The window around the list ----
    // The main window's please-wait sheet (WaitSheet shows it for a scope).
    virtual void Show_Create_Modeless() = 0;
    virtual void Hide_Destroy_Modeless() = 0;
    // After the series folder changed: the mode's series name combos refilled; when it was emptied,
    // the name and the item combos emptied instead.
    virtual void Series_Folder_Changed(bool emptied) = 0;
    // A new symbol from the mode's fields.
    virtual void goButtonActionPerformed() = 0;

    // Shows the main window's please-wait sheet for its life, so that every way out of a job hides
    // it; hide() ends it early (before an alert).
    class WaitSheet {
    public:
        explicit WaitSheet(ValueListHost &host) : m_host(&host) { m_host->Show_Create_Modeless(); }
        ~WaitSheet() { hide(); }
        WaitSheet(const WaitSheet &) = delete;
        WaitSheet &operator=(const WaitSheet &) = delete;
        void hide()
        {
            if (m_host)
                std::exchange(m_host, nullptr)->Hide_Destroy_Modeless();
        }

    private:
        ValueListHost *m_host;
    };
};
