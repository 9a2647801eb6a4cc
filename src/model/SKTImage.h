#pragma once
// The picture object: an image file shown stretched to the frame at the picture's opacity, after
// the effect settings (built by the sidebar's picture services), under an optional dashed border.
// Never filled, stroke off at first, mirrored by a resize that crosses the opposite edge; a flip
// shows from the next rebuild of the picture with its settings.

#include "model/SKTGraphic.h"

#include <functional>

// What picture and signature objects need of the services above the model, installed by the
// window's controller. Unset, a file is read as it is (at most 100 megapixels), the picture with
// the effect settings is the loaded picture itself and there are no controls to reset.
struct SKTPictureHooks {
    std::function<platform::Picture(const QString &path)> Get_Image_For_Path;
    std::function<platform::Picture(const SKTGraphic &graphic)> Get_Image_With_Update_Settings;
    std::function<void()> Reset_Image_Editing_Controls = {};
};

class SKTImage : public SKTGraphic {
public:
    static constexpr SKTGraphicClass kClass = SKTGraphicClass::Image;
    SKTImage() : SKTGraphic(kClass) {}

    // The three ways a picture is made: each sizes the frame to the loaded picture centred on the
    // point, then resets the sidebar's picture controls.
    // From a picture alone: the path is the one last chosen (Library_Selected_Image); the picture
    // with its settings is not built.
    static std::shared_ptr<SKTImage> initWithPosition(const QPointF &point, const platform::Picture &contents);
    // From a file, loaded with setFilePath; org_or_crop changes nothing.
    static std::shared_ptr<SKTImage> initWithPath(const QPointF &point, const QString &path, bool org_or_crop);
    // The same with an identifier.
    static std::shared_ptr<SKTImage> initWithPath_With_ID(const QPointF &point, const QString &path,
                                                         const QString &ctrl_id);

    static void setPictureHooks(SKTPictureHooks hooks);
    static const SKTPictureHooks &pictureHooks();
    // The preview of a file (longer side at most 800 pixels), null when there is none.
    static platform::Picture Get_Image_For_Path(const QString &path);
    // The object's loaded picture with its effect settings applied.
    static platform::Picture Get_Image_With_Update_Settings(const SKTGraphic &graphic);
    static void Reset_Image_Editing_Controls();
    // A picture's size in points; an empty size for no picture.
    static QSizeF sizeOf(const platform::Picture &picture);

    // Stores the path, moved into this copy's resources when it points into an application's, and
    // loads the picture from it.
    void setFilePath(const QString &path);
    // Loads _contents from the file and rebuilds the picture with its settings.
    void setFileNSImage(const QString &path);
    // Stores the picture with its settings (the sidebar calls it after changing an effect).
    void setFileNSImage_Variable(const platform::Picture &image) { _contents_with_settings = image; }

    // The base copy plus both pictures.
    std::shared_ptr<SKTGraphic> copyWithZone() const override;
    bool isDrawingFill() const override { return false; }
    bool canSetDrawingFill() const override { return false; }
    bool canSetDrawingStroke() const override { return false; }
    // Toggle the flag only: the drawn picture changes at the next rebuild.
    void flipHorizontally() override { setFlippedHorizontally(!_isFlippedHorizontally); }
    void flipVertically() override { setFlippedVertically(!_isFlippedVertically); }
    // Unlocked: the loaded picture's size from the same origin, both flips cleared.
    void makeNaturalSize() override;

    // The picture with its settings stretched to the frame at img_trnsp_val / 100, the border over
    // it; the border alone without a path or a loaded picture. Nothing when hidden.
    void drawContentsInView(QPainter &painter, bool isBeingCreateOrEdited) const override;
    // Strokes the rectangle with the border's colour, width and dashes when the border is on.
    void Draw_the_image_border(QPainter &painter, const QRectF &rect) const;

    QVariant valueForKey(const QString &key) const override;
    bool setValue(const QVariant &value, const QString &key) override;
    QStringList keysAffectedBy(const QString &key) const override;
    QStringList keysForValuesToObserveForUndo() const override;
    QString presentablePropertyNameForKey(const QString &key) const override;
    // The base entries plus the two mirror flags.
    QVariantMap properties() const override;

private:
    // The frame of the loaded picture's size centred on the point, then the controls reset.
    void placeCentredOn(const QPointF &point, const QSizeF &size);
};
