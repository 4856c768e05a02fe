#pragma once
// Small real recordings for player tests, made with ffmpeg through mkrec.

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

inline bool MakeVideo(const QString& path, int seconds, const QString& size, bool rear = false)
{
    QStringList args = {"video", path, "--seconds", QString::number(seconds), "--size", size};
    if (rear)
        args << "--rear";
    return QProcess::execute(MKREC_PATH, args) == 0;
}

// One frame of `path` at `seconds`, decoded by ffmpeg itself.
inline QImage ReferenceFrame(const QString& path, double seconds, const QString& png)
{
    QProcess::execute("ffmpeg", {"-nostdin", "-v", "error", "-y", "-ss", QString::number(seconds), "-i", path,
                                 "-frames:v", "1", png});
    return QImage(png);
}

// Mean absolute difference of the colour channels at a few points spread over both pictures.
inline double PixelDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.isNull())
        return 1e9;
    double total = 0;
    int count = 0;
    for (int y = a.height() / 8; y < a.height(); y += a.height() / 4) {
        for (int x = a.width() / 8; x < a.width(); x += a.width() / 4) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
            count += 3;
        }
    }
    return total / count;
}
