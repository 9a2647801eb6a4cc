#pragma once
// Seeded random values for tests and benchmarks that build many varied objects: the same seed
// gives the same values on every run.

#include <QColor>
#include <QString>

#include <random>

namespace testsupport {

class Rng {
public:
    explicit Rng(unsigned seed) : m_engine(seed) {}
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_engine); }
    float real(float low, float high) { return std::uniform_real_distribution<float>(low, high)(m_engine); }
    bool chance(int percent) { return between(1, 100) <= percent; }
    QString digits(int n)
    {
        QString s;
        for (int i = 0; i < n; ++i)
            s += QChar(u'0' + between(0, 9));
        return s;
    }
    QString from(const QString &alphabet, int n)
    {
        QString s;
        for (int i = 0; i < n; ++i)
            s += alphabet.at(between(0, int(alphabet.size()) - 1));
        return s;
    }
    QColor dark() { return QColor(between(0, 70), between(0, 70), between(0, 70)); }
    QColor light() { return QColor(between(215, 255), between(215, 255), between(215, 255)); }

private:
    std::mt19937 m_engine;
};

} // namespace testsupport
