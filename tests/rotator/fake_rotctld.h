#pragma once
// A stand-in for rotctld on a free loopback port, for the faults a real one
// will not produce on demand: error replies, a dropped connection, silence.
//
// By default it answers as a rotator that turns at once: "P az el" takes az
// and answers "RPRT 0", "p" tells the last az, "S" answers "RPRT 0" and
// \dump_caps lists the range set with setRange. A test scripts any command
// by the start of its line.

#include <QByteArray>
#include <QStringList>
#include <QTcpServer>

#include <map>

class QTcpSocket;

namespace qvk::rotator {

class FakeRotctld {
public:
    // On a free port, or on the one given: a rotctld started where the program already looks.
    explicit FakeRotctld(quint16 port = 0);

    int port() const { return server_.serverPort(); }
    QString address() const { return QString("127.0.0.1:%1").arg(port()); }

    void setRange(double minAzimuth, double maxAzimuth);
    void setAzimuth(double azimuth) { azimuth_ = azimuth; }
    // The bytes to send for a command whose line starts with `start`.
    void answer(const QString& start, const QByteArray& reply) { scripted_[start] = reply; }
    // Closes the connection on such a command, the next time only.
    void dropOnce(const QString& start) { drops_ << start; }
    // Never answers such a command.
    void ignore(const QString& start) { scripted_[start] = QByteArray(); }
    // Answers such a command with `chunk` over and over, for as long as the
    // client stays connected: "12.5\n" for ever, or a line that never ends.
    // It writes only as fast as the client takes the bytes, so that its own
    // memory stays small.
    void flood(const QString& start, const QByteArray& chunk) { floods_[start] = chunk; }

    QStringList received;  // every command line, in order, without its "\n"
    int connections = 0;
    qint64 floodedBytes = 0;  // taken by the operating system on the client's way

private:
    void serve(QTcpSocket* socket);
    void keepFlooding(QTcpSocket* socket, const QByteArray& chunk);
    QByteArray replyTo(const QString& line);

    QTcpServer server_;
    double minAzimuth_ = -180;
    double maxAzimuth_ = 180;
    double azimuth_ = 0;
    std::map<QString, QByteArray> scripted_;
    std::map<QString, QByteArray> floods_;
    QStringList drops_;
};

}  // namespace qvk::rotator
