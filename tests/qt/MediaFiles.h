#pragma once
// Small real recordings for player tests, made with ffmpeg through mkrec.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

inline bool MakeVideo(const QString& path, int seconds, const QString& size, bool rear = false,
                      bool frameNumbers = false, bool hevc = false)
{
    QStringList args = {"video", path, "--seconds", QString::number(seconds), "--size", size};
    if (rear)
        args << "--rear";
    if (frameNumbers)
        args << "--frame-numbers";
    if (hevc)
        args << "--hevc";
    return QProcess::execute(MKREC_PATH, args) == 0;
}

// The frame number burnt into a picture (mkrec video --frame-numbers) shown at
// `video` in `shown`: 16 cells across its top sixth, white for a set bit,
// lowest bit left. -1 when the picture is too small to read.
inline int FrameNumberShown(const QImage& shown, const QRect& video)
{
    if (video.width() < 32 || video.height() < 12 || !shown.rect().contains(video))
        return -1;
    int number = 0;
    const int y = video.top() + video.height() / 12;
    for (int bit = 0; bit < 16; ++bit) {
        const int x = video.left() + (2 * bit + 1) * video.width() / 32;
        int sum = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                sum += qGray(shown.pixel(x + dx, y + dy));
        if (sum / 9 > 128)
            number |= 1 << bit;
    }
    return number;
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

// Copies of the movie `bytes` whose picture never comes, as cards leave
// them, written into `folder`, and a sound-only file beside them: their paths.
inline QStringList WriteFilesWithoutAPicture(const QByteArray& bytes, const QDir& folder)
{
    const int media = bytes.indexOf("mdat") + 4;
    if (media <= 4)
        return {};
    QByteArray zeroed = bytes;  // the movie box intact, its media all zeros
    zeroed.replace(media, zeroed.size() - media, QByteArray(zeroed.size() - media, '\0'));
    QByteArray garbled = bytes;  // the media overwritten by noise
    quint32 noise = 12345;
    for (int i = media; i < garbled.size(); ++i) {
        noise = noise * 1103515245u + 12345u;
        garbled[i] = static_cast<char>(noise >> 24);
    }
    const std::pair<QString, QByteArray> copies[] = {
        {"zeroed.mov", zeroed},
        {"cut.mov", bytes.left(media + 64)},
        {"garbled.mov", garbled},
        {"empty.mov", bytes.left(media)},  // the recorder lost power at once
    };
    QStringList paths;
    for (const auto& [name, content] : copies) {
        QFile out(folder.filePath(name));
        if (!out.open(QIODevice::WriteOnly) || out.write(content) != content.size())
            return {};
        paths << out.fileName();
    }
    const QString sound = folder.filePath("sound.m4a");
    if (QProcess::execute("ffmpeg", {"-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i",
                                     "sine=frequency=440:duration=2", sound}) != 0)
        return {};
    return paths << sound;
}
