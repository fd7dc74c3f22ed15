// The client area: 864 x 383 pixels painted from the window surface. Left
// button presses and releases and PC keys go to the Emulator.
#pragma once

#include <QWidget>

class Emulator;

class SkinView : public QWidget {
public:
    SkinView(Emulator& emulator, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;  // Tab is a key of the machine

private:
    Emulator& emulator_;
};
