#include "design/DesignCard.h"

#include "model/Card_Property.h"

DesignCard::DesignCard() = default;

DesignCard::~DesignCard() { delete Front_card_Prop; }
