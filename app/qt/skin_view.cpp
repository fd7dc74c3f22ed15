#include "app/qt/skin_view.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <vector>

#include "app/emulator.h"
#include "app/qt/key_map.h"
#include "host/surface.h"

SkinView::SkinView(Emulator& emulator, QWidget* parent) : QWidget(parent), emulator_(emulator) {
    setFixedSize(kSurfaceWidth, kSurfaceHeight);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SkinView::paintEvent(QPaintEvent*) {
    const std::vector<uint32_t> pixels = SurfaceSnapshot();
    const QImage image(reinterpret_cast<const uchar*>(pixels.data()), kSurfaceWidth, kSurfaceHeight,
                       kSurfaceWidth * 4, QImage::Format_RGB32);
    QPainter(this).drawImage(0, 0, image);
}

void SkinView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint();
    emulator_.MousePress(p.x(), p.y());
}

void SkinView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emulator_.KeyRelease();
}

// Every press counts, the host's repeats included; a repeat's release is
// not a release of the key.
void SkinView::keyPressEvent(QKeyEvent* event) {
    emulator_.PcKeyPress(VirtualKeyOf(event->key(), event->modifiers()));
}

void SkinView::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) emulator_.KeyRelease();
}

bool SkinView::focusNextPrevChild(bool) { return false; }
