#include "ResourceImage.h"

#include <QString>

int LoadResourceImage(int id, const char* type, QImage& out)
{
    const QString path = QStringLiteral(":/skin/%1.%2").arg(id).arg(QString::fromLatin1(type).toLower());
    QImage image(path);
    if (image.isNull())
        return 0;
    out = image;
    return 1;
}
