#include "workbench/form/key_label.h"

#include <QMouseEvent>

KeyLabel::KeyLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
}

void KeyLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void KeyLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click && isEnabled()) emit clicked();
}
