#include "app/qt/picture_dialog.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "app/menu.h"

PictureDialog::PictureDialog(int id, QWidget* parent) : QDialog(parent) {
    const bool about = id == kDialogAbout;
    setWindowTitle(QString::fromUtf8(about ? "A Propos de" : "Affectation du clavier"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowSystemMenuHint);
    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap(about ? ":/dialogs/about.png" : ":/dialogs/keyboard.png"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PictureDialog::keyPressEvent(QKeyEvent*) { accept(); }

void PictureDialog::mousePressEvent(QMouseEvent*) { accept(); }
