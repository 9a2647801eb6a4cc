// The fuzz target's entry point in a plain mutation loop, for compilers without libFuzzer:
//   fuzz_project_file_loop SECONDS SEED_FILES...
// Mutates the seeds (bit flips, byte changes, cuts, splices and repeated runs) for the given time and
// reports the number of runs; a crash ends the process as it would end libFuzzer.

#include <QByteArray>
#include <QFile>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SECONDS SEED_FILES...\n", argv[0]);
        return 1;
    }
    LLVMFuzzerInitialize(&argc, &argv);
    const double seconds = std::atof(argv[1]);
    std::vector<QByteArray> seeds;
    for (int i = 2; i < argc; ++i) {
        QFile f(QString::fromLocal8Bit(argv[i]));
        if (f.open(QIODevice::ReadOnly))
            seeds.push_back(f.readAll());
    }
    if (seeds.empty())
        return 1;
    std::mt19937_64 rng(12345);
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    long runs = 0;
    while (std::chrono::steady_clock::now() < end) {
        QByteArray input = seeds[rng() % seeds.size()];
        const int edits = 1 + int(rng() % 8);
        for (int e = 0; e < edits && !input.isEmpty(); ++e) {
            const qsizetype at = qsizetype(rng() % quint64(input.size()));
            switch (rng() % 6) {
            case 0: input[at] = char(input[at] ^ char(1 << (rng() % 8))); break;
            case 1: input[at] = char(rng()); break;
            case 2: input.truncate(at); break;
            case 3: input.remove(at, qsizetype(rng() % 64)); break;
            case 4: input.insert(at, input.mid(qsizetype(rng() % quint64(input.size())), qsizetype(rng() % 128))); break;
            case 5: {
                const QByteArray &other = seeds[rng() % seeds.size()];
                input = input.left(at) + other.mid(qsizetype(rng() % quint64(std::max<qsizetype>(1, other.size()))));
                break;
            }
            }
        }
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.constData()), size_t(input.size()));
        ++runs;
    }
    std::printf("runs: %ld in %.0f s\n", runs, seconds);
    return 0;
}
