// Sifter: the ROM disassembler workbench. Its three table files live beside
// the program.
#include <QApplication>
#include <QScreen>
#include <QStyle>

#include "workbench/form/dialogs.h"
#include "workbench/form/sifter_window.h"
#include "workbench/form/texts.h"
#include "workbench/workbench.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(texts::kProgram);
    QApplication::setApplicationVersion(SIFTER_VERSION);
    Workbench wb;
    QtDialogs dialogs;
    SifterWindow window(wb, ProgramDirectory(), dialogs);
    dialogs.SetParent(&window);
    // The window is created with its tables loaded; then it opens centred.
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           app.primaryScreen()->availableGeometry()));
    window.show();
    return app.exec();
}
