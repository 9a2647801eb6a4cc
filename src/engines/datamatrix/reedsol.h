#pragma once
// Reed-Solomon parity over GF(2^m), m up to 8. One value object per code (field polynomial,
// parity count, first root): its tables are built in the constructor and only read afterwards,
// so one coder may serve any number of threads at once.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace datamatrix {

class ReedSolomon {
public:
    // The code with the given field polynomial (301 for x^8 + x^5 + x^3 + x^2 + 1), nsym parity
    // symbols per block and the generator's roots alpha^index ... alpha^(index + nsym - 1).
    static ReedSolomon rs_init(unsigned poly, int nsym, int index);

    // False for a polynomial that gives no field of 2 to 256 elements; such a coder writes
    // all-zero parity.
    bool isValid() const { return m_valid; }
    int parityCount() const { return m_nsym; }
    // The generator's coefficients, the leading 1 first (parityCount() + 1 values).
    const std::vector<std::uint8_t> &generator() const { return m_genpoly; }

    // Writes the parity of len data symbols to res, highest-order coefficient first.
    void rs_encode(std::size_t len, const std::uint8_t *data, std::uint8_t *res) const;
    // The same, written directly behind the data (which must have room for it).
    void rs_encode(std::size_t len, std::uint8_t *data) const { rs_encode(len, data, data + len); }

private:
    ReedSolomon() = default;

    bool m_valid = false;
    int m_logmod = 0;   // field size minus one
    int m_nsym = 0;
    std::array<int, 256> m_log{};
    std::array<int, 256> m_alog{};
    std::vector<std::uint8_t> m_genpoly;
};

} // namespace datamatrix
