#include "rotator/rotator_client.h"

#include "rotator/rotator_messages.h"
#include "rotator/rotator_settings.h"

#include <QTcpSocket>
#include <QTimer>

namespace qvk::rotator {

namespace {

// Lines unasked that a server may send before it counts as misbehaving.
constexpr int kMostStrayLines = 4;

}  // namespace

RotatorClient::RotatorClient(QObject* parent) : QObject(parent)
{
    socket_ = new QTcpSocket(this);
    // room for one whole reply line, never for a flood
    socket_->setReadBufferSize(2 * kLongestReplyLine);
    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    timer_->setInterval(kTimeoutMilliseconds);
    connect(timer_, &QTimer::timeout, this, &RotatorClient::timedOut);
    connect(socket_, &QTcpSocket::connected, this, [this] {
        if (closing_) return;
        timer_->stop();
        connected_ = true;
        emit connectedChanged(true);
        pump();
    });
    connect(socket_, &QTcpSocket::readyRead, this, &RotatorClient::readReply);
    connect(socket_, &QTcpSocket::errorOccurred, this, &RotatorClient::connectionLost);
    connect(socket_, &QTcpSocket::disconnected, this, &RotatorClient::connectionLost);
}

RotatorClient::~RotatorClient() { closeQuietly(); }

void RotatorClient::setAddress(const QString& host, int port)
{
    if (host == host_ && port == port_) return;
    disconnectFromRotator();
    host_ = host;
    port_ = port;
}

QString RotatorClient::address() const { return QString::fromStdString(addressText(host_.toStdString(), port_)); }

bool RotatorClient::isConnected() const { return connected_; }

void RotatorClient::turnToHeading(double heading)
{
    Exchange turn;
    turn.step = [this, heading] {
        withRange([this, heading](const RotatorRange& range) {
            if (!rangeOverlaps(range)) {
                sendTurn(heading, range, std::nullopt);
                return;
            }
            Exchange read;
            read.command = getPositionCommand();
            read.onReply = [this, heading, range](const std::vector<std::string>& lines) {
                const auto position = positionFromReply(lines);
                if (position) emit positionRead(position->azimuth, position->elevation);
                sendTurn(heading, range, position ? std::optional(position->azimuth) : std::nullopt);
            };
            // a rotator that cannot tell its azimuth still turns, by the usual choice
            read.onRefused = [this, heading, range](int) { sendTurn(heading, range, std::nullopt); };
            sendNext(std::move(read));
        });
    };
    enqueue(std::move(turn));
}

void RotatorClient::requestPosition()
{
    for (const Exchange& queued : queue_)
        if (queued.isPoll) return;
    Exchange read;
    read.command = getPositionCommand();
    read.isPoll = true;
    read.onReply = [this](const std::vector<std::string>& lines) {
        const auto position = positionFromReply(lines);
        if (position)
            emit positionRead(position->azimuth, position->elevation);
        else
            emit failed(QString::fromStdString(unreadableReplyMessage(address().toStdString())));
    };
    enqueue(std::move(read));
}

void RotatorClient::stop()
{
    Exchange halt;
    halt.command = stopCommand();
    halt.onReply = [this](const std::vector<std::string>&) { emit stopped(); };
    enqueue(std::move(halt));
}

void RotatorClient::disconnectFromRotator()
{
    const bool wasConnected = connected_;
    closeQuietly();
    if (wasConnected) emit connectedChanged(false);
}

// The range belongs to the rotator behind this connection, so a new
// connection asks again.
void RotatorClient::withRange(std::function<void(const RotatorRange&)> then)
{
    if (range_) {
        then(*range_);
        return;
    }
    Exchange caps;
    caps.command = dumpCapsCommand();
    caps.onReply = [this, then](const std::vector<std::string>& lines) {
        range_ = rangeFromCaps(lines);
        then(*range_);
    };
    // without its caps a rotator is taken for the common 0 to 360
    caps.onRefused = [this, then](int) {
        range_ = RotatorRange{};
        then(*range_);
    };
    sendNext(std::move(caps));
}

void RotatorClient::sendTurn(double heading, const RotatorRange& range, std::optional<double> present)
{
    const auto azimuth = azimuthForHeading(heading, range, present);
    if (!azimuth) {
        emit failed(QString::fromStdString(outOfRangeMessage(heading, range)));
        return;
    }
    Exchange turn;
    turn.command = setPositionCommand(*azimuth, levelElevation(range));
    turn.onReply = [this, heading, azimuth = *azimuth](const std::vector<std::string>&) {
        emit turning(heading, azimuth);
    };
    sendNext(std::move(turn));
}

void RotatorClient::enqueue(Exchange exchange)
{
    queue_.push_back(std::move(exchange));
    pump();
}

void RotatorClient::sendNext(Exchange exchange) { queue_.push_front(std::move(exchange)); }

void RotatorClient::pump()
{
    if (readingReplies_) return;  // readReply pumps once it has read what is buffered
    while (!awaitingReply_ && !queue_.empty() && queue_.front().step) {
        const auto step = std::move(queue_.front().step);
        queue_.pop_front();
        step();
    }
    if (awaitingReply_ || queue_.empty()) return;
    switch (socket_->state()) {
    case QAbstractSocket::UnconnectedState:
        timer_->start();
        socket_->connectToHost(host_, static_cast<quint16>(port_));
        return;
    case QAbstractSocket::ConnectedState:
        break;
    default:
        return;  // connecting: `connected` pumps again
    }
    replyLines_.clear();
    awaitingReply_ = true;
    strayLines_ = 0;
    timer_->start();
    socket_->write(QByteArray::fromStdString(queue_.front().command->text));
}

void RotatorClient::readReply()
{
    readingReplies_ = true;
    bool misbehaving = false;
    while (!misbehaving && socket_->canReadLine()) {
        QByteArray line = socket_->readLine();
        while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
        misbehaving = !takeLine(line.toStdString());
    }
    // a line that does not end within its length never will
    misbehaving = misbehaving || socket_->bytesAvailable() > static_cast<qint64>(kLongestReplyLine);
    readingReplies_ = false;
    if (misbehaving)
        failTransport(misbehavingMessage(address().toStdString()));
    else
        pump();
}

// False when the line shows the server misbehaving.
bool RotatorClient::takeLine(std::string line)
{
    if (line.size() > kLongestReplyLine) return false;
    if (!awaitingReply_) return ++strayLines_ <= kMostStrayLines;  // nothing asked for it
    replyLines_.push_back(std::move(line));
    const Command& command = *queue_.front().command;
    if (replyComplete(command, replyLines_))
        finishReply();
    else if (replyLines_.size() >= mostReplyLines(command))
        return false;
    return true;
}

void RotatorClient::finishReply()
{
    timer_->stop();
    Exchange done = std::move(queue_.front());
    queue_.pop_front();
    awaitingReply_ = false;
    const std::vector<std::string> lines = std::move(replyLines_);
    replyLines_.clear();

    const auto error = replyError(lines);
    if (error) {
        if (done.onRefused)
            done.onRefused(*error);
        else
            emit failed(QString::fromStdString(refusedMessage(*error)));
    } else if (done.command->shape == ReplyShape::Report && !reportCode(lines.front())) {
        emit failed(QString::fromStdString(unreadableReplyMessage(address().toStdString())));
    } else if (done.onReply) {
        done.onReply(lines);
    }
}

void RotatorClient::timedOut()
{
    const std::string where = address().toStdString();
    if (!connected_)
        failTransport(notReachableMessage(where));
    else if (!replyLines_.empty() || socket_->bytesAvailable() > 0)
        failTransport(unreadableReplyMessage(where));  // it answered, but nothing that makes a reply
    else
        failTransport(noAnswerMessage(where));
}

void RotatorClient::connectionLost()
{
    // a dropped connection reports both an error and a disconnect: tell it once
    if (closing_ || (!connected_ && !timer_->isActive())) return;
    const std::string where = address().toStdString();
    failTransport(connected_ ? connectionClosedMessage(where) : notReachableMessage(where));
}

void RotatorClient::failTransport(const std::string& message)
{
    const bool wasConnected = connected_;
    closeQuietly();
    if (wasConnected) emit connectedChanged(false);
    emit failed(QString::fromStdString(message));
}

void RotatorClient::closeQuietly()
{
    closing_ = true;
    timer_->stop();
    socket_->abort();
    closing_ = false;
    queue_.clear();
    awaitingReply_ = false;
    connected_ = false;
    strayLines_ = 0;
    replyLines_.clear();
    range_.reset();
}

}  // namespace qvk::rotator
