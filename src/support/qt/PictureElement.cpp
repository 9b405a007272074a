#include "support/qt/PictureElement.h"

#include <QMouseEvent>
#include <QPainter>

namespace helmsway::qt {

PictureElement::PictureElement(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }

void PictureElement::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void PictureElement::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);  // the painter clips to the element
}

void PictureElement::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void PictureElement::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) emit clicked();
}

}  // namespace helmsway::qt
