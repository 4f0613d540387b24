#include "fake_rotctld.h"

#include <QTcpSocket>

namespace qvk::rotator {

FakeRotctld::FakeRotctld(quint16 port)
{
    server_.listen(QHostAddress::LocalHost, port);
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            ++connections;
            serve(socket);
        }
    });
}

void FakeRotctld::setRange(double minAzimuth, double maxAzimuth)
{
    minAzimuth_ = minAzimuth;
    maxAzimuth_ = maxAzimuth;
}

void FakeRotctld::serve(QTcpSocket* socket)
{
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
        while (socket->canReadLine()) {
            const QString line = QString::fromLatin1(socket->readLine()).chopped(1);
            received << line;
            for (const QString& start : drops_) {
                if (!line.startsWith(start)) continue;
                drops_.removeOne(start);
                socket->disconnectFromHost();
                return;
            }
            for (const auto& [start, chunk] : floods_) {
                if (!line.startsWith(start)) continue;
                keepFlooding(socket, chunk);
                return;
            }
            socket->write(replyTo(line));
        }
    });
}

void FakeRotctld::keepFlooding(QTcpSocket* socket, const QByteArray& chunk)
{
    constexpr qint64 kQueued = 64 * 1024;
    const auto topUp = [this, socket, chunk] {
        if (socket->state() != QAbstractSocket::ConnectedState) return;
        while (socket->bytesToWrite() < kQueued) floodedBytes += socket->write(chunk);
    };
    QObject::connect(socket, &QTcpSocket::bytesWritten, socket, topUp);
    topUp();
}

QByteArray FakeRotctld::replyTo(const QString& line)
{
    for (const auto& [start, reply] : scripted_)
        if (line.startsWith(start)) return reply;
    if (line.startsWith("P ")) {
        azimuth_ = line.split(' ').value(1).toDouble();
        return "RPRT 0\n";
    }
    if (line == "p") return QByteArray::number(azimuth_, 'f', 2) + "\n0.00\n";
    if (line == "S") return "RPRT 0\n";
    if (line == "\\dump_caps") {
        return "Caps dump for model:\t1\nModel name:\t\tFake\nMin Azimuth:\t\t" +
               QByteArray::number(minAzimuth_, 'f', 2) + "\nMax Azimuth:\t\t" +
               QByteArray::number(maxAzimuth_, 'f', 2) +
               "\nMin Elevation:\t\t0.00\nMax Elevation:\t\t90.00\n\nRPRT 0\n";
    }
    return "RPRT -4\n";
}

}  // namespace qvk::rotator
