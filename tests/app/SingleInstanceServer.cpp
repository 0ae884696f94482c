// SPDX-License-Identifier: GPL-3.0-or-later
// A running instance's socket without its window, for tests that take its descriptors away: a window
// starts threads to paint, and no thread can start without a descriptor.
#include "SingleInstance.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        return 2;
    }
    SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    if (!instance.becomePrimary()) {
        return 1;
    }
    QObject::connect(&instance, &SingleInstance::requestReceived, &app, [](const Request& request) {
        std::printf("received %s\n", request.path.c_str());
        std::fflush(stdout);
    });
    std::printf("listening\n");
    std::fflush(stdout);
    return app.exec();
}
