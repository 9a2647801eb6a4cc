#pragma once
// The card being designed, as the rest of the window reads and writes it: its properties (size,
// fill, background, border, name), and around a batch job (print, export, mail) the objects the job
// fills record by record, the copy of the design it puts back afterwards and the main photo.

#include "model/DesignSnapshot.h"

#include <QImage>
#include <QList>

#include <memory>
#include <optional>

class Card_Property;
class SKTGraphic;
using SKTGraphicList = QList<std::shared_ptr<SKTGraphic>>;

class DesignCard {
public:
    DesignCard();
    ~DesignCard();   // deletes the card's properties
    DesignCard(const DesignCard &) = delete;
    DesignCard &operator=(const DesignCard &) = delete;

    Card_Property *Front_card_Prop = nullptr;   // made by the hub at start-up, owned here
    SKTGraphicList Graphics_array_Batch;                        // the objects a batch job fills
    std::optional<DesignSnapshot> Graphics_array_Batch_Front_Bkup;   // the design copy around a batch job
    QImage Main_Photo_image;
    bool main_photo_ds_batch = false;
};
