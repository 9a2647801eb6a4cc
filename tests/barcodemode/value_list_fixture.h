#pragma once
// The main window offscreen in the Barcode mode with batch processing from the value list switched
// on as a user switches it on; helpers to fill the list, pick rows as a user does and read it back.

#include "barcodemode/BarcodeModeController.h"
#include "io/ValueListModel.h"
#include "io/ValueListRules.h"
#include "core/Mode.h"
#include "outputjobs/OutputGlobals.h"
#include "platform/PictureView.h"
#include "support/AppEnvironment.h"
#include "support/Editions.h"
#include "support/ScriptedResponder.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

namespace value_list_test {

// Counts how often a widget is shown.
class ShowCounter : public QObject {
public:
    int shows = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

struct Rec {
    QString value, header, footer, pq;
};

class ValueListWindow : public ::testing::Test {
protected:
    // The window shown with batch processing ticked and an empty list (value_list_fixture.cpp).
    void SetUp() override;

    // Records added through the creation rule, then the table reloaded, as the imports do.
    void fill(const QList<Rec> &records)
    {
        for (const Rec &r : records)
            bm->Create_Item_List(r.value, r.header, r.footer, r.pq, int(bm->ListData_barcode.size()));
        bm->Reload_List();
    }
    // n records "V0".."V(n-1)", headers "H0".., footers "F0".., quantity "1".
    void fillNumbered(int n)
    {
        QList<Rec> records;
        for (int i = 0; i < n; ++i)
            records.append({QStringLiteral("V%1").arg(i), QStringLiteral("H%1").arg(i), QStringLiteral("F%1").arg(i),
                            QStringLiteral("1")});
        fill(records);
    }

    // The user clicks a row (with Ctrl: adds it to the selection).
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {})
    {
        const QRect cell = bm->List->visualRect(bm->List->model()->index(row, 0));
        ASSERT_TRUE(cell.isValid()) << "row " << row << " is not on screen";
        QTest::mouseClick(bm->List->viewport(), Qt::LeftButton, modifiers, cell.center());
    }
    void doubleClickRow(int row)
    {
        const QPoint at = bm->List->visualRect(bm->List->model()->index(row, 0)).center();
        QTest::mouseClick(bm->List->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(bm->List->viewport(), Qt::LeftButton, {}, at);
    }

    QStringList column(const QString &key) const
    {
        QStringList out;
        for (const ValueRecord &r : bm->ListData_barcode)
            out << r.value(key);
        return out;
    }
    QStringList values() const { return column(value_list::kValue); }
    // What the table shows in a column, row by row.
    QStringList shown(int col) const
    {
        QStringList out;
        const QAbstractItemModel *m = bm->List->model();
        for (int r = 0; r < m->rowCount(); ++r)
            out << m->index(r, col).data().toString();
        return out;
    }
    QList<int> selection() const { return bm->selectedListRows(); }
    QStringList messages()
    {
        QStringList out;
        for (const QString &m : responder->alertMessages())
            out << m.trimmed();
        return out;
    }
    bool previewBlank() const
    {
        return !bm->barcodeImage->hasPicture() && !bm->barcode_error_label->isHidden();
    }

    // The please-wait sheet: how often it came up, and whether it is still up.
    ShowCounter pleaseWait;
    bool pleaseWaitUp() const { return pleaseWaitSheet->isVisible(); }

    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env{QString(), true};
    SKTWindowController *c = nullptr;
    BarcodeModeController *bm = nullptr;
    QDialog *pleaseWaitSheet = nullptr;   // the window's please-wait sheet
};

} // namespace value_list_test
