// Reed-Solomon error correction of PDF417 over the prime field of 929.

#include "engines/pdf417/pdf417internal.h"
#include "engines/pdf417/pdf417tables.h"

#include <array>
#include <cstddef>
#include <vector>

namespace pdf417 {

namespace {

constexpr int Prime = 929;

// The generator polynomials of the nine levels, built once on first use.
struct Generators {
    std::array<std::vector<int>, 9> coefficients;

    Generators()
    {
        for (int level = 0; level <= 8; ++level) {
            const int k = 1 << (level + 1);
            // g(x) = (x - 3)(x - 3^2)...(x - 3^k), lowest power first.
            std::vector<int> g{1};
            int root = 3;
            for (int i = 0; i < k; ++i) {
                std::vector<int> next(g.size() + 1, 0);
                for (size_t j = 0; j < g.size(); ++j) {
                    next[j + 1] = (next[j + 1] + g[j]) % Prime;
                    next[j] = (next[j] + Prime - (g[j] * root) % Prime) % Prime;
                }
                g.swap(next);
                root = root * 3 % Prime;
            }
            g.pop_back();   // the leading 1
            coefficients[size_t(level)] = std::move(g);
        }
    }
};

const Generators &generators()
{
    static const Generators table;
    return table;
}

} // namespace

const int *ERROR_LEVEL(int level)
{
    if (level < 0 || level > 8)
        return nullptr;
    return generators().coefficients[size_t(level)].data();
}

void calculateErrorCorrection(_pdf417param *param, int dest)
{
    const int level = param->errorLevel < 0 ? 0 : (param->errorLevel > 8 ? 8 : param->errorLevel);
    const int k = 1 << (level + 1);
    const int *a = ERROR_LEVEL(level);
    int *e = param->codewords + dest;
    for (int j = 0; j < k; ++j)
        e[j] = 0;
    // Division by the generator, as a shift register whose first cell holds the highest power.
    for (int n = 0; n < dest; ++n) {
        const int t1 = (param->codewords[n] + e[0]) % Prime;
        for (int j = 0; j < k; ++j) {
            const int t2 = Prime - (t1 * a[k - 1 - j]) % Prime;
            e[j] = ((j + 1 < k ? e[j + 1] : 0) + t2) % Prime;
        }
    }
    for (int j = 0; j < k; ++j)
        e[j] = (Prime - e[j]) % Prime;
}

} // namespace pdf417
