#pragma once
// The signature or fingerprint object: a place on the card for a signature or a fingerprint,
// showing an image file (by default the sample of its kind) stretched to the frame over an optional
// dashed border. No effects, no opacity, never filled.
//
// The object follows _file_path, which the sidebar, the project file and undo set: drawing reloads
// the picture when the path it was loaded from differs. That read changes the object, so it is
// done on the GUI thread only; a worker draws what was loaded before (whoever hands copies to a
// worker resolves them first with resolveFilePath).

#include "model/SKTGraphic.h"

class SKTSignature : public SKTGraphic {
public:
    static constexpr SKTGraphicClass kClass = SKTGraphicClass::Signature;
    SKTSignature() : SKTGraphic(kClass) {}

    // A new object of the kind ("S" signature, "F" fingerprint) showing the image, its frame of the
    // image's size centred on the point. _file_path is the path last chosen (Library_Selected_Image),
    // file_path the sample of the kind; the sidebar's picture controls are reset.
    static std::shared_ptr<SKTSignature> initWithPosition(const QPointF &point, const platform::Picture &contents,
                                                          const QString &sign_or_FP);
    // The sample file of a kind in the resource folder: "sign_sample.png" for "S" (and any kind
    // other than "F"), "fingerprints.png" for "F".
    static QString Sample_File_Path(const QString &kind);

    // "Default" stands for the sample of the object's kind. The path, moved into this copy's
    // resources when it points into an application's, becomes file_path and _file_path, and the
    // picture is loaded from it (none when there is no readable file).
    void setFilePath(const QString &path);
    // Reloads the picture when file_path is missing or differs from _file_path.
    void resolveFilePath();
    // Unlocked: the picture's size from the same origin (an empty size without a picture).
    void makeNaturalSize() override;
    bool isDrawingFill() const override { return false; }
    // The border, then the picture stretched over it at full opacity. Nothing when hidden.
    void drawContentsInView(QPainter &painter, bool isBeingCreateOrEdited) const override;

    platform::Picture _contents_img;   // the picture drawn, as loaded from file_path
    QString file_path;                 // the path _contents_img was loaded from; null until loaded

protected:
    void makeBare() override
    {
        SKTGraphic::makeBare();
        _contents_img = platform::Picture();
        file_path = QString();
    }
};
