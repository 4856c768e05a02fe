#pragma once
// A tile server on loopback for the tests: one solid tile for every path,
// each request's User-Agent remembered. No test fetches tiles from the
// network.

#include <QBuffer>
#include <QColor>
#include <QHash>
#include <QImage>
#include <QTcpServer>
#include <QTcpSocket>

inline const QColor kTileColour(255, 0, 200);

class TileServer : public QObject {
public:
    TileServer()
    {
        QImage tile(256, 256, QImage::Format_RGB32);
        tile.fill(kTileColour);
        QBuffer buffer(&png_);
        buffer.open(QIODevice::WriteOnly);
        tile.save(&buffer, "PNG");
        server_.listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Answer(socket); });
        });
    }

    QString Template() const { return QString("http://127.0.0.1:%1/{z}/{x}/{y}.png").arg(server_.serverPort()); }
    QStringList agents;

private:
    void Answer(QTcpSocket* socket)
    {
        QByteArray& request = pending_[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        for (const QByteArray& line : request.split('\n')) {
            if (line.toLower().startsWith("user-agent:"))
                agents << QString::fromLatin1(line.mid(11).trimmed());
        }
        pending_.remove(socket);
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: image/png\r\nCache-Control: public, max-age=604800\r\n"
                      "Content-Length: " + QByteArray::number(png_.size()) + "\r\nConnection: close\r\n\r\n" + png_);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    QByteArray png_;
    QHash<QTcpSocket*, QByteArray> pending_;
};

