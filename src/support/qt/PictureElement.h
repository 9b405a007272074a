#pragma once
// A clickable rectangle that shows one bitmap unscaled from its top-left corner; a bitmap
// larger than the element is cut off at the right and bottom edges, never shrunk.
#include <QPixmap>
#include <QWidget>

namespace helmsway::qt {

class PictureElement : public QWidget {
    Q_OBJECT
public:
    explicit PictureElement(QWidget* parent);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

signals:
    // A press and a release inside the element, as a click on a button is.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    bool pressed_ = false;
};

}  // namespace helmsway::qt
