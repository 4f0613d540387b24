#pragma once
// A client of Hamlib's rotctld over TCP that never blocks: every call queues a
// command and returns at once, and the answers come back as signals on the
// event loop.
//
// Commands go out one at a time, in the order of the calls. A command that is
// sent while no connection is open connects first. Connecting and every reply
// have two seconds; a time-out, a refused connection or a dropped one fails
// the command and everything queued behind it, reports `failed` once and
// closes the socket, so the next command connects anew.
//
// What the client takes from a server is bounded, so that a server that
// floods can neither freeze the program nor fill its memory: it holds at most
// a kilobyte unread, a reply line has at most kLongestReplyLine bytes and a
// reply at most mostReplyLines() lines, and a few lines that come unasked are
// dropped. A server that sends more is dropped the same way, with its own
// status text; a reply cut off by the time-out is told as unreadable.
//
// Turning reads the rotator's azimuth range (\dump_caps) once per connection,
// then, when the range has an overlap, the present azimuth, and sends the
// azimuth that points at the heading (see azimuth_range.h).

#include "rotator/azimuth_range.h"
#include "rotator/rotctld_protocol.h"

#include <QObject>
#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QTcpSocket;
class QTimer;

namespace qvk::rotator {

class RotatorClient : public QObject {
    Q_OBJECT
public:
    static constexpr int kTimeoutMilliseconds = 2000;

    explicit RotatorClient(QObject* parent = nullptr);
    ~RotatorClient() override;

    // Where rotctld listens. A new address drops the open connection and
    // whatever is queued, without a report.
    void setAddress(const QString& host, int port);
    // "127.0.0.1:4533"
    QString address() const;
    bool isConnected() const;

    // Turns the antenna to a compass heading (degrees clockwise from north).
    void turnToHeading(double heading);
    // Reads the present azimuth; a read already queued is not queued twice,
    // so a poll can never pile up behind a slow rotator.
    void requestPosition();
    void stop();
    // Closes the connection and forgets the queue, without a report.
    void disconnectFromRotator();

signals:
    // rotctld took the turn ("RPRT 0"); `azimuth` is in the rotator's range.
    void turning(double heading, double azimuth);
    // The azimuth in the rotator's range; headingOfAzimuth() makes it a heading.
    void positionRead(double azimuth, double elevation);
    void stopped();
    // One short text: see rotator_messages.h.
    void failed(const QString& message);
    void connectedChanged(bool connected);

private:
    // A command and what to do with its reply, or a step that queues the
    // commands it needs once it comes to the front.
    struct Exchange {
        std::optional<Command> command;
        std::function<void(const std::vector<std::string>&)> onReply;
        std::function<void(int code)> onRefused;  // unset: the refusal is reported
        std::function<void()> step;
        bool isPoll = false;
    };

    void enqueue(Exchange exchange);
    void sendNext(Exchange exchange);  // from a reply handler: goes before everything queued
    void pump();
    void readReply();
    bool takeLine(std::string line);
    void finishReply();
    void timedOut();
    void connectionLost();
    void failTransport(const std::string& message);
    void closeQuietly();

    void withRange(std::function<void(const RotatorRange&)> then);
    void sendTurn(double heading, const RotatorRange& range, std::optional<double> present);

    QTcpSocket* socket_ = nullptr;
    QTimer* timer_ = nullptr;
    QString host_;
    int port_ = 0;
    std::deque<Exchange> queue_;
    bool awaitingReply_ = false;  // the front of the queue has been sent
    bool closing_ = false;        // the socket's own signals are ours, not news
    bool connected_ = false;
    bool readingReplies_ = false;  // lines still buffered belong to no command sent after them
    int strayLines_ = 0;           // lines nobody asked for since the last command went out
    std::vector<std::string> replyLines_;
    std::optional<RotatorRange> range_;
};

}  // namespace qvk::rotator
