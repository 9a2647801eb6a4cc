#pragma once
// What the Advanced QR mode's settings column shows, as one value: the chosen type, the header and
// footer with their fonts, alignments and print flags, the colours and transparency, the symbol's
// side, version, level and encoding, the margins and the logo. Other parts of the window read and
// write the column through this value (AdvQrPanel), never through its widgets.

#include <QColor>
#include <QFont>
#include <QString>

#include <array>

struct AdvQrSettings {
    QString type;   // the chosen type's title
    QString header, footer;
    bool hideHeader = false, hideFooter = false;
    int alignHeader = 1, alignFooter = 1;
    std::array<QFont, 2> fonts;        // header, footer
    std::array<QColor, 4> colours;     // header, footer, modules, background
    bool transparent = false;
    QString side;                      // the symbol's side as the field shows it
    int sideStep = 0;                  // and as its stepper holds it
    int qrVersion = 0, qrLevel = 0, qrEncoding = 0;
    std::array<QString, 4> margins;    // header, footer, top and bottom, left and right, as shown
    std::array<double, 4> marginSteps{};
    bool logo = false;
    QString logoPath;

    bool operator==(const AdvQrSettings &) const = default;
};
