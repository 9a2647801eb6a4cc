#pragma once
// The main window built offscreen with a 2D symbology chosen, and the export of its preview as a
// user gets it: the shown picture raised to the output resolution and written as PNG.

#include "barcodemode/BarcodeModeGlobals.h"
#include "core/ImageServices.h"
#include "platform/PictureView.h"
#include "support/AppEnvironment.h"
#include "support/Decode.h"
#include "barcodemode/BarcodeModeController.h"
#include "core/SymbolGlobals.h"

#include <QComboBox>
#include <QImage>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <memory>

namespace twodtest {

struct Window {
    testsupport::AppEnvironment env{QString(), true};
    SKTWindowController *c = env.controller();
    QTemporaryDir out;

    // Chooses the symbology as the pop-up and the 2D pane do.
    void choose(const QString &title)
    {
        env.barcodeMode().barcodeTypePopup->setCurrentText(title);
        env.barcodeMode().two_d_barcode_Opt_Select();
    }

    void generate(const QString &value)
    {
        env.barcodeMode().dataText_2D->setPlainText(value);
        env.barcodeMode().goButtonActionPerformed();
    }

    const platform::Picture &shown() const { return env.barcodeMode().barcodeImage->picture(); }

    // The shown picture exported as PNG at USED_DPI_VALUE and read back; null when nothing is shown.
    QImage exported(const QString &name = QStringLiteral("export.png")) const
    {
        if (shown().isNull())
            return {};
        const QString path = out.filePath(name);
        if (!Save_gen_image(Increase_DPI(shown(), USED_DPI_VALUE), path))
            return {};
        return QImage(path);
    }
};

} // namespace twodtest
