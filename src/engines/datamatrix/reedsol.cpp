#include "engines/datamatrix/reedsol.h"

#include <algorithm>

namespace datamatrix {

ReedSolomon ReedSolomon::rs_init(unsigned poly, int nsym, int index)
{
    ReedSolomon rs;
    rs.m_nsym = std::max(nsym, 0);

    int bits = 0;
    for (unsigned p = poly; p > 1; p >>= 1)
        ++bits;
    // The symbols are bytes: fields beyond GF(256) (or no field at all) cannot be held.
    if (bits < 1 || bits > 8) {
        rs.m_genpoly.assign(std::size_t(rs.m_nsym) + 1, 0);
        return rs;
    }
    rs.m_valid = true;
    const int top = 1 << bits;
    rs.m_logmod = top - 1;

    int x = 1;
    for (int i = 0; i < rs.m_logmod; ++i) {
        rs.m_alog[std::size_t(i)] = x;
        rs.m_log[std::size_t(x)] = i;
        x <<= 1;
        if (x & top)
            x ^= int(poly);
    }

    // Product of (x + alpha^e) for the nsym consecutive roots, leading coefficient first.
    std::vector<int> g(std::size_t(rs.m_nsym) + 1, 0);
    g[0] = 1;
    int e = index;
    for (int i = 1; i <= rs.m_nsym; ++i) {
        g[std::size_t(i)] = 0;
        for (int k = i; k >= 1; --k) {
            if (g[std::size_t(k - 1)]) {
                const int l = ((rs.m_log[std::size_t(g[std::size_t(k - 1)])] + e) % rs.m_logmod + rs.m_logmod) % rs.m_logmod;
                g[std::size_t(k)] ^= rs.m_alog[std::size_t(l)];
            }
        }
        ++e;
    }
    rs.m_genpoly.assign(g.begin(), g.end());
    return rs;
}

void ReedSolomon::rs_encode(std::size_t len, const std::uint8_t *data, std::uint8_t *res) const
{
    const std::size_t n = std::size_t(m_nsym);
    std::uint8_t *p = res;
    std::fill(p, p + n, std::uint8_t(0));
    if (!m_valid || n == 0)
        return;
    // Systematic division by the generator; the register holds the remainder.
    for (std::size_t i = 0; i < len; ++i) {
        const int f = p[0] ^ data[i];
        for (std::size_t k = 1; k <= n; ++k) {
            int q = k < n ? p[k] : 0;
            const int gk = m_genpoly[k];
            if (f && gk)
                q ^= m_alog[std::size_t((m_log[std::size_t(f)] + m_log[std::size_t(gk)]) % m_logmod)];
            p[k - 1] = std::uint8_t(q);
        }
    }
}

} // namespace datamatrix
