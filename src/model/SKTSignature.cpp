#include "model/SKTSignature.h"

#include "core/UserFolders.h"
#include "model/DesignGlobals.h"
#include "core/Utilities.h"
#include "model/GraphicStyles.h"
#include "model/SKTImage.h"
#include "platform/GuiThread.h"

#include <QPainter>
#include <QPainterPath>

std::shared_ptr<SKTSignature> SKTSignature::initWithPosition(const QPointF &point, const platform::Picture &contents,
                                                             const QString &sign_or_FP)
{
    auto sign = std::make_shared<SKTSignature>();
    sign->_contents_img = contents;
    sign->_file_path = Library_Selected_Image;
    sign->file_path = Sample_File_Path(sign_or_FP);
    sign->Set_Sign_Or_FP(sign_or_FP);
    const QSizeF size = SKTImage::sizeOf(contents);
    sign->setBounds(QRectF(point.x() - size.width() / 2, point.y() - size.height() / 2, size.width(), size.height()));
    SKTImage::Reset_Image_Editing_Controls();
    return sign;
}

QString SKTSignature::Sample_File_Path(const QString &kind)
{
    const QString name = kind == QLatin1String("F") ? QStringLiteral("fingerprints.png") : QStringLiteral("sign_sample.png");
    return Resource_Path + QLatin1Char('/') + name;
}

void SKTSignature::setFilePath(const QString &path)
{
    const QString chosen = path == QLatin1String("Default") ? Sample_File_Path(Sign_Or_FP_Val()) : path;
    // Never null once loaded, so that an object without a path is not read again at every drawing.
    file_path = Check_Path_For_App_Resources(chosen);
    if (file_path.isNull())
        file_path = QStringLiteral("");
    Set_Control_File_path(file_path);
    _contents_img = SKTImage::Get_Image_For_Path(file_path);
}

void SKTSignature::resolveFilePath()
{
    if (file_path.isNull() || file_path != _file_path)
        setFilePath(_file_path);
}

void SKTSignature::makeNaturalSize()
{
    if (ctrl_is_locked)
        return;
    setBounds(QRectF(_bounds.topLeft(), SKTImage::sizeOf(_contents_img)));
}

void SKTSignature::drawContentsInView(QPainter &painter, bool) const
{
    if (!ctrl_is_visible)
        return;
    // Objects are made and kept non-const (in the document's list), so the reload may write them.
    if (platform::isGuiThread())
        const_cast<SKTSignature *>(this)->resolveFilePath();
    QPainterPath frame;
    frame.addRect(_bounds);
    graphicstyle::strokePath(painter, *this, frame, _strokeColor);
    const QSizeF size = _contents_img.size();
    if (!_contents_img.isNull() && size.width() > 0 && size.height() > 0)
        _contents_img.draw(painter, _bounds, true);
}
