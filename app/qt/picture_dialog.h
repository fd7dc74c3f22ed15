// Dialogs 1000 "A Propos de" and 1100 "Affectation du clavier": a picture of
// the program's resources at its full size, closed by any key or click.
#pragma once

#include <QDialog>

class PictureDialog : public QDialog {
public:
    PictureDialog(int id, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};
