#pragma once
// The barcode-object window of a fresh main window controller, with a series folder of its own and
// a scripted responder, and the dialog run as a user runs it.

#include "barcodemode/Barcode_Gen.h"
#include "core/UserFolders.h"
#include "model/SKTBarcode.h"
#include "platform/PictureView.h"
#include "support/AppEnvironment.h"
#include "support/ScriptedResponder.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>

#include <functional>
#include <memory>

namespace barcode_gen_test {

class BarcodeGenWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        c = env.controller();
        ASSERT_NE(c, nullptr);
        Data_Folder_Path = env.userFolder() + QStringLiteral("/DataSet");
        QDir().mkpath(Data_Folder_Path);
        g = &env.barcodeGen();
    }

    // A new barcode object with the defaults of a card object, in a font every machine has.
    static std::shared_ptr<SKTGraphic> barcodeObject()
    {
        auto object = std::make_shared<SKTBarcode>();
        const QFont font(QStringLiteral("DejaVu Sans"), 10);
        object->value_font_val = object->header_font_val = object->footer_font_val = font;
        object->control_ID = QStringLiteral("BAR_1");
        return object;
    }

    void writeSeries(const QString &name, const QByteArray &content)
    {
        QFile f(Data_Folder_Path + QLatin1Char('/') + name + QStringLiteral(".txt"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }

    // Runs the dialog on the object; user acts while it is open (pressing OK or Cancel, or neither,
    // which closes it as Cancel does).
    std::shared_ptr<SKTGraphic> open(const std::shared_ptr<SKTGraphic> &object, std::function<void(Barcode_Gen &)> user)
    {
        responder->onModal = [this, user](QDialog &dialog) {
            if (&dialog == g->window && user)
                user(*g);
            return dialog.result();
        };
        return g->Open_Wnd(object);
    }

    // The user picks an item of a combo box.
    static void pick(QComboBox *combo, const QString &text)
    {
        const int index = combo->findText(text);
        ASSERT_GE(index, 0) << qPrintable(text);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    QStringList messages() { return responder->alertMessages(); }

    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env;
    SKTWindowController *c = nullptr;
    Barcode_Gen *g = nullptr;
};

// A picture as pixels at 600 DPI.
inline QImage at600(const platform::Picture &picture) { return picture.toImage(600).convertToFormat(QImage::Format_ARGB32); }

// The picture over white, as it stands on a white card.
inline QImage onWhite(const QImage &image)
{
    QImage out(image.size(), QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    p.drawImage(0, 0, image);
    return out;
}

} // namespace barcode_gen_test
