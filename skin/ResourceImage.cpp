#include "ResourceImage.h"

#include <QGuiApplication>
#include <QString>

qreal SkinScale()
{
    return qGuiApp && qGuiApp->devicePixelRatio() >= 1.5 ? 2.0 : 1.0;
}

int LoadResourceImage(int id, const char* type, QImage& out, qreal scale)
{
    const QString kind = QString::fromLatin1(type).toLower();
    if (scale >= 2) {
        QImage fine(QStringLiteral(":/skin/%1@2x.%2").arg(id).arg(kind));
        if (!fine.isNull()) {
            fine.setDevicePixelRatio(2);
            out = fine;
            return 1;
        }
    }
    QImage image(QStringLiteral(":/skin/%1.%2").arg(id).arg(kind));
    if (image.isNull())
        return 0;
    out = image;
    return 1;
}

QRectF PicturePart(const QImage& picture, const QRectF& skin)
{
    const qreal r = picture.devicePixelRatio();
    return QRectF(skin.topLeft() * r, skin.size() * r);
}

QSize SkinSize(const QImage& picture)
{
    return picture.deviceIndependentSize().toSize();
}
