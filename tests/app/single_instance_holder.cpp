// A copy of the program as far as the single-instance test needs one, in a
// process of its own: it claims the settings folder given as its argument,
// prints "running" or "second", and prints "front" each time a later start
// asks for its window.

#include "app/qvk/single_instance.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 2) return 64;
    qvk::SingleInstance instance(argv[1], [] {
        std::puts("front");
        std::fflush(stdout);
    });
    if (instance.claim() == qvk::SingleInstance::Start::AlreadyRunning) {
        std::puts("second");
        return 0;
    }
    std::puts("running");
    std::fflush(stdout);
    return application.exec();
}
