#pragma once
// The main window offscreen in the Barcode mode, with helpers to switch batch processing on as a
// user does, fill the value list, write series files, choose series in the combos and compare
// pictures as they come out at an output resolution.

#include "barcodemode/BarcodeModeController.h"
#include "barcodemode/BatchSnapshot.h"
#include "io/ValueRecord.h"
#include "core/Mode.h"
#include "core/SymbolGlobals.h"
#include "core/UserFolders.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "platform/PictureView.h"
#include "support/AppEnvironment.h"
#include "support/Editions.h"
#include "support/LogCapture.h"
#include "support/ScriptedResponder.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableView>

namespace batch_test {

struct Rec {
    QString value, header, footer, pq;
};

using testsupport::LogCapture;

class BatchWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_BARCODE_MODE();
        c = env.controller();
        ASSERT_NE(c, nullptr);
        env.window()->resize(1400, 950);
        env.window()->show();
        bm = &env.barcodeMode();
        ASSERT_EQ(Barcode_Setting_Or_Designing_Mode, 0);
        ASSERT_TRUE(QDir().mkpath(Data_Folder_Path));
        USED_DPI_VALUE = 600;
    }

    // The user picks a symbology in the pop-up.
    void choose(const QString &title)
    {
        QComboBox *popup = bm->barcodeTypePopup;
        const int index = popup->findText(title);
        ASSERT_GE(index, 0) << qPrintable(title);
        popup->setCurrentIndex(index);
        emit popup->activated(index);
    }

    // The user ticks batch processing (the value list is the source at first).
    void tickBatch()
    {
        if (!bm->data_source_chkbox->isChecked())
            bm->data_source_chkbox->click();
    }
    void chooseSeriesSource() { bm->Data_Set_Sheet_RD->click(); }

    // The value list replaced by records stored as given, then bound as the window binds its
    // selected row.
    void setList(const QList<Rec> &records)
    {
        bm->ListData_barcode.clear();
        for (const Rec &r : records)
            bm->ListData_barcode.append({{QStringLiteral("Value"), r.value},
                                         {QStringLiteral("Header"), r.header},
                                         {QStringLiteral("Footer"), r.footer},
                                         {QStringLiteral("PQ"), r.pq}});
        bm->Reload_List();
        bm->Update_List_Count();
    }

    void writeSeries(const QString &fileName, const QByteArray &content)
    {
        QFile f(Data_Folder_Path + QLatin1Char('/') + fileName);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }

    // A series chosen in a name combo as the user chooses it (the combo-box delegate runs).
    static void pickSeries(QComboBox *names, const QString &series)
    {
        const int i = names->findText(series);
        ASSERT_GE(i, 0) << qPrintable(series);
        names->setCurrentIndex(i);
    }

    static QStringList items(const QComboBox *combo)
    {
        QStringList out;
        for (int i = 0; i < combo->count(); ++i)
            out << combo->itemText(i);
        return out;
    }

    // A picture as output makes it: rasterised at dpi, in one format for comparing.
    static QImage raster(const platform::Picture &p, double dpi = 600)
    {
        return p.isNull() ? QImage() : p.toImage(dpi).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }

    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env{QString(), true};
    SKTWindowController *c = nullptr;
    BarcodeModeController *bm = nullptr;
};

} // namespace batch_test
