#include "app/calc/rotator_turn.h"

#include "rotator/rotator_client.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <memory>

namespace qvk::calc {

TurnOutcome turnRotator(const std::string& host, int port, double heading)
{
    // sockets want an application object; qvk-calc makes one only for this
    std::unique_ptr<QCoreApplication> application;
    static int argc = 1;
    static char name[] = "qvk-calc";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) application = std::make_unique<QCoreApplication>(argc, argv);

    TurnOutcome outcome;
    bool answered = false;
    QEventLoop loop;
    rotator::RotatorClient client;
    QObject::connect(&client, &rotator::RotatorClient::turning, &loop, [&](double, double azimuth) {
        outcome.ok = answered = true;
        outcome.azimuth = azimuth;
        loop.quit();
    });
    QObject::connect(&client, &rotator::RotatorClient::failed, &loop, [&](const QString& message) {
        outcome.error = message.toStdString();
        answered = true;
        loop.quit();
    });
    client.setAddress(QString::fromStdString(host), port);
    client.turnToHeading(heading);
    if (!answered) loop.exec();
    return outcome;
}

}  // namespace qvk::calc
