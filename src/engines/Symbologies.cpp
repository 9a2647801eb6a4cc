#include "engines/Symbologies.h"

#include "engines/linear/NKDBarcode.h"
#include "engines/linear/NKDEAN13Barcode.h"
#include "engines/linear/NKDEAN8Barcode.h"
#include "engines/linear/NKDUPCABarcode.h"
#include "engines/linear/NKDUPCEBarcode.h"

#include <QCoreApplication>

#include <map>
#include <mutex>

namespace Symbologies {

namespace {

struct Entry {
    const char *title;
    EngineKind kind;
};

// Pop-up order; see the header for why it is what it is. Never reorder: indexes are stored.
constexpr Entry kEntries[] = {
    {"Code 39", EngineKind::Linear},
    {"Extended Code 39", EngineKind::Linear},
    {"Interleaved 2 of 5", EngineKind::Linear},
    {"UPCA", EngineKind::Linear},
    {"PostNet", EngineKind::Linear},
    {"Modified Plessey", EngineKind::Linear},
    {"Modified Plessey (Hex)", EngineKind::Linear},
    {"Industrial 2 of 5", EngineKind::Linear},
    {"EAN-13", EngineKind::Linear},
    {"Code 128", EngineKind::Linear},
    {"Code 128 SET A", EngineKind::Linear},
    {"Code 128 SET B", EngineKind::Linear},
    {"Code 128 SET C", EngineKind::Linear},
    {"Codabar", EngineKind::Linear},
    {"UPCE", EngineKind::Linear},
    {"EAN-8", EngineKind::Linear},
    {"QR Code", EngineKind::QR},
    {"PDF417", EngineKind::PDF417},
    {"DataMatrix", EngineKind::DataMatrix},
    {"Royal Mail Barcode (RM4SCC / CBC)", EngineKind::Linear},
    {"Planet", EngineKind::Linear},
    {"Japan Post Barcode", EngineKind::Linear},
};

constexpr int kCount = int(sizeof kEntries / sizeof kEntries[0]);

// Factories by title. Registration happens at start-up; lookups may come from worker threads.
struct Registry {
    std::mutex mutex;
    std::map<QString, LinearFactory> factories;
};

template <class T>
LinearFactory plain()
{
    return [] { return std::unique_ptr<NKDBarcode>(std::make_unique<T>()); };
}

Registry &registry()
{
    static Registry *r = [] {
        auto *reg = new Registry;
        reg->factories[QStringLiteral("UPCA")] = plain<NKDUPCABarcode>();
        reg->factories[QStringLiteral("UPCE")] = plain<NKDUPCEBarcode>();
        reg->factories[QStringLiteral("EAN-13")] = plain<NKDEAN13Barcode>();
        reg->factories[QStringLiteral("EAN-8")] = plain<NKDEAN8Barcode>();
        return reg;
    }();
    return *r;
}

} // namespace

const QStringList &allTitles()
{
    static const QStringList titles = [] {
        QStringList list;
        for (const Entry &e : kEntries)
            list << QString::fromLatin1(e.title);
        return list;
    }();
    return titles;
}

int count()
{
    return kCount;
}

QString titleAt(int index)
{
    if (index < 0 || index >= kCount)
        return QString();
    return allTitles().at(index);
}

int indexOf(const QString &title)
{
    return int(allTitles().indexOf(title));
}

EngineKind kindOf(const QString &title)
{
    const int i = indexOf(title);
    return i < 0 ? EngineKind::None : kEntries[i].kind;
}

bool isTwoD(const QString &title)
{
    const EngineKind k = kindOf(title);
    return k == EngineKind::QR || k == EngineKind::PDF417 || k == EngineKind::DataMatrix;
}

bool isLinear(const QString &title)
{
    return kindOf(title) == EngineKind::Linear;
}

QString displayTitle(int index)
{
    if (index < 0 || index >= kCount)
        return QString();
    return QCoreApplication::translate("Symbology", kEntries[index].title);
}

int indexOfDisplayed(const QString &shown)
{
    for (int i = 0; i < kCount; ++i) {
        if (displayTitle(i) == shown)
            return i;
    }
    return indexOf(shown);
}

bool registerLinearSymbology(const QString &title, LinearFactory factory)
{
    if (!isLinear(title))
        return false;
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (factory)
        r.factories[title] = std::move(factory);
    else
        r.factories.erase(title);
    return true;
}

bool hasLinearFactory(const QString &title)
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    return r.factories.count(title) != 0;
}

LinearFactory linearFactory(const QString &title)
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    const auto it = r.factories.find(title);
    return it == r.factories.end() ? LinearFactory() : it->second;
}

std::unique_ptr<NKDBarcode> createLinearBarcode(const QString &title)
{
    // Called outside the lock: a factory may itself look things up here.
    const LinearFactory factory = linearFactory(title);
    return factory ? factory() : nullptr;
}

std::unique_ptr<NKDBarcode> createLinearBarcode(const QString &title, const QString &content, bool printsCaption)
{
    std::unique_ptr<NKDBarcode> model = createLinearBarcode(title);
    if (!model || !model->initWithContent(content, printsCaption))
        return nullptr;
    return model;
}

} // namespace Symbologies
