#include "outputjobs/Print_Wnd_PaperNames.h"

#include "core/ImageServices.h"

#include <cmath>
#include <utility>

QString Find_Papaer_Name_From_Size(const QString &width, const QString &height)
{
    static const std::pair<const char *, const char *> papers[] = {
        {"297.00 x 420.00", "A3"},
        {"210.00 x 297.00", "A4"},
        {"148.00 x 210.00", "A5"},
        {"176.00 x 250.00", "B5"},
        {"105.00 x 241.00", "Envelope #10"},
        {"120.00 x 235.00", "Envelope Choukei 3"},
        {"110.00 x 220.00", "Envelope DL"},
        {"182.00 x 257.00", "JIS B5"},
        {"197.00 x 273.00", "ROC 16K"},
        {"330.00 x 483.00", "Super B/A3"},
        {"279.00 x 432.00", "Tabloid"},
        {"305.00 x 457.00", "Tabloid Oversize"},
        {"216.00 x 356.00", "US Legal"},
        {"216.00 x 279.00", "US Letter"},
        {"215.90 x 279.40", "Letter"},
        {"100.00 x 148.00", "Postcard"},
        {"184.00 x 267.00", "Executive"},
    };
    // A key names a paper only when it is that size in either orientation: a part of a key (10 x 20
    // inside 110.00 x 220.00) is another paper.
    const QString asGiven = width + QStringLiteral(" x ") + height;
    const QString turned = height + QStringLiteral(" x ") + width;
    QString name = QStringLiteral("");
    for (const auto &[key, paper] : papers) {
        const QString k = QString::fromLatin1(key);
        if (k == asGiven || k == turned)
            name = QString::fromLatin1(paper);
    }
    return name;
}

QString Margin_Text(float points)
{
    const double mm = Points_to_MM_Convert(points);
    return QString::asprintf("%0.2f", std::abs(mm) < 0.005 ? 0.0 : mm);
}
