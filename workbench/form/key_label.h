// A transparent text label on the face that acts as a key: a click on it
// (press and release inside) emits clicked() when it is enabled.
#pragma once

#include <QLabel>

class KeyLabel : public QLabel {
    Q_OBJECT
public:
    explicit KeyLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};
