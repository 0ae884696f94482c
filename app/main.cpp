// SPDX-License-Identifier: GPL-3.0-or-later
#include "Global.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(480, 360);
    window.show();
    QTimer::singleShot(0, &window, [] {
        global().log(global().getVersion());
        global().log(global().getTheme());
    });
    return app.exec();
}
