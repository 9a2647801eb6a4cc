// A vendor catalogue of 2,000 products, read as each host reads it when its vendor is chosen: the
// reader alone, the new-design wizard's vendor list (products listed, the first one's size shown)
// and the print window's (the first product laid out on the page). Target: under 200 ms a choice.

#include "BenchWindow.h"
#include "core/UserFolders.h"
#include "outputjobs/LabelCatalogue.h"
#include "outputjobs/OutputGlobals.h"
#include "output/Print_Wnd.h"
#include "projects/Card_Wizard.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kProducts = 2000;
constexpr int kRounds = 7;

QByteArray catalogue()
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<catalog vendor=\"Big\">\n";
    for (int i = 0; i < kProducts; ++i) {
        const double w = 20 + i % 80, h = 10 + i % 40;
        const int across = std::max(1, int(190 / (w + 2))), down = std::max(1, int(280 / (h + 1)));
        // Every tenth product shares its number with the one before, every twentieth has no name.
        const QByteArray number = QByteArray::number(i - (i % 10 == 9 ? 1 : 0));
        xml += "  <product productID=\"P" + QByteArray::number(i) + "\" layoutGroup=\"GROUP_" + QByteArray::number(i % 7) +
               "\" units=\"mm\">\n";
        if (i % 20 != 19)
            xml += "    <prodName nameGroup=\"Big\"><locName locale=\"fr\">n" + number + "</locName><locName locale=\"all\">" +
                   number + "</locName></prodName>\n";
        xml += "    <description descGroup=\"SHEET_LABELS\"><locDesc locale=\"all\">Labels " + QByteArray::number(w) + " x " +
               QByteArray::number(h) + "</locDesc></description>\n";
        xml += "    <masterPanel masterID=\"M" + QByteArray::number(i) + "\" width=\"" + QByteArray::number(w) + "\" height=\"" +
               QByteArray::number(h) + "\" shape=\"rect\"/>\n";
        xml += "    <sheet width=\"210\" height=\"297\">\n      <sheetGrid cellWidth=\"" + QByteArray::number(w) +
               "\" cellHeight=\"" + QByteArray::number(h) + "\" numAcross=\"" + QByteArray::number(across) +
               "\" numDown=\"" + QByteArray::number(down) + "\" posX=\"5\" posY=\"5\" horizGap=\"2\" vertGap=\"1\"/>\n    </sheet>\n";
        xml += "  </product>\n";
    }
    return xml + "</catalog>\n";
}

double msSince(const QElapsedTimer &t) { return t.nsecsElapsed() / 1e6; }

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void report(const char *what, const std::vector<double> &v)
{
    std::printf("%-58s median %7.1f ms (max %7.1f)\n", what, median(v), *std::max_element(v.begin(), v.end()));
}

} // namespace

int main(int argc, char **argv)
{
    bench::Window bw(argc, argv);
    bw.window();

    QTemporaryDir resources;
    QDir().mkpath(resources.path() + QStringLiteral("/Formats/pages"));
    QFile f(resources.path() + QStringLiteral("/Formats/pages/Big.xml"));
    if (!f.open(QIODevice::WriteOnly) || f.write(catalogue()) < 0)
        return 1;
    f.close();
    Resource_Path = resources.path();
    const QString path = labelstock::Catalogue_Path(Resource_Path, QStringLiteral("Big"));

    std::vector<double> reads, wizard, print;
    Card_Wizard *w = Card_Wizard::defaultInstance(bw.projects());
    Print_Wnd *p = Print_Wnd::defaultInstance();
    Manual_or_Pre = 1;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer t;
        t.start();
        const labelstock::CatalogueRead read = labelstock::Read_Catalogue(path, QString());
        reads.push_back(msSince(t));
        if (read.products.size() != size_t(kProducts))
            return std::fprintf(stderr, "read %zu products\n", read.products.size()), 1;

        w->Label_ComboBox->setCurrentIndex(0);
        t.restart();
        w->Label_ComboBox->setCurrentIndex(w->Label_ComboBox->findText(QStringLiteral("Big")));
        wizard.push_back(msSince(t));
        if (w->Product_num_ComboBox->count() != kProducts)
            return std::fprintf(stderr, "the wizard lists %d products\n", w->Product_num_ComboBox->count()), 1;

        p->Label_ComboBox->setCurrentIndex(0);
        t.restart();
        p->Label_ComboBox->setCurrentIndex(p->Label_ComboBox->findText(QStringLiteral("Big")));
        print.push_back(msSince(t));
        if (p->Product_num_ComboBox->count() != kProducts)
            return std::fprintf(stderr, "the print window lists %d products\n", p->Product_num_ComboBox->count()), 1;
    }
    std::printf("catalogue of %d products (%lld bytes), %d rounds\n", kProducts, static_cast<long long>(QFileInfo(path).size()),
                kRounds);
    report("reader alone", reads);
    report("wizard: vendor chosen, products listed, first size shown", wizard);
    report("print window: vendor chosen, first product laid out", print);
    std::printf("target: each under 200 ms\n");
    bw.deleteController();
    return 0;
}
