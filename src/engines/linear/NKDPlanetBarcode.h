#pragma once
// PLANET: POSTNET with tall and short digit bars swapped (three tall bars and two short per digit).

#include "engines/linear/NKDPostnetBarcode.h"

class NKDPlanetBarcode : public NKDPostnetBarcode {
public:
    double _heightForDigit(int digitIndex, int bar) const override;
    QString className() const override { return QStringLiteral("NKDPlanetBarcode"); }

protected:
    std::unique_ptr<NKDBarcode> newInstance() const override { return std::make_unique<NKDPlanetBarcode>(); }
};
