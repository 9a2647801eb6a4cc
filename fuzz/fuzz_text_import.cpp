// Fuzz target of the value list's text import: the bytes of a file decoded as each kind the import
// reads (TXT, CSV, RTF), split into lines or CSV rows and turned into record writes over a short
// list, with every field ticked, appended and overwriting.

#include "io/ValueListImportRules.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

using namespace value_list_import;

namespace {

const QList<ValueRecord> &existing()
{
    static const QList<ValueRecord> list = {
        {{value_list::kValue, QStringLiteral("V1")}, {value_list::kHeader, QStringLiteral("H1")},
         {value_list::kFooter, QStringLiteral("F1")}, {value_list::kPQ, QStringLiteral("1")}},
        {{value_list::kValue, QStringLiteral("V2")}, {value_list::kHeader, QStringLiteral("H2")},
         {value_list::kFooter, QStringLiteral("F2")}, {value_list::kPQ, QStringLiteral("2")}}};
    return list;
}

void check(const QList<RecordWrite> &writes, int target)
{
    // Replacements go to the rows from the target on, in order; values are never longer than the cut.
    for (const RecordWrite &w : writes) {
        if (w.value.size() > kMaxValueLength)
            std::abort();
        if (!w.append && (w.index != target || w.index >= existing().size()))
            std::abort();
        ++target;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    (void)decodeText(bytes);
    const Options options[] = {{true, true, true, true, false}, {true, false, false, true, true}, {false, true, false, false, true}};
    for (const char *kind : {"txt", "csv", "rtf"}) {
        const QString text = importText(bytes, QString::fromLatin1(kind));
        if (text.isEmpty())
            continue;
        const bool csv = isCsvExtension(QString::fromLatin1(kind));
        const QList<QStringList> lines = csv ? csvRows(text) : splitTabText(text);
        for (const Options &o : options) {
            const int target = o.overwrite ? 0 : int(existing().size());
            check(csv ? csvRule(lines, o, existing(), target) : tabRule(lines, o, existing(), target), target);
        }
    }
    return 0;
}
