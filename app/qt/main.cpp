// Zelkor: the emulator with its window.
#include <QApplication>
#include <cstdio>
#include <string>

#include "app/qt/display_check.h"
#include "app/qt/main_window.h"

int main(int argc, char** argv) {
    std::string why;
    if (!DisplayReachable(argc, argv, &why)) {
        std::fprintf(stderr, "Zelkor: no display to open the window on (%s); zelkor-cli run runs the machine without a window\n",
                     why.c_str());
        return 1;
    }
    QApplication application(argc, argv);
    MainWindow window;
    if (!window.Start()) return 1;
    window.show();
    return application.exec();
}
