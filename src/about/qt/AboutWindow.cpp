#include "about/qt/AboutWindow.h"

#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "about/AboutLayout.h"
#include "support/qt/LayoutWidgets.h"
#include "support/qt/PictureElement.h"
#include "support/qt/Pictures.h"
#include "support/qt/Twips.h"
#include "support/qt/WindowSystem.h"

namespace helmsway::qt {
namespace {

QFont layoutFont(const Font& wanted, QFont standard) {
    // The labels were laid out for a narrow dialog font of 8 points (11 pixels); the wider
    // faces of a Linux desktop need a pixel less to keep every line inside its label.
    if (wanted.face.empty()) {
        standard.setPixelSize(10);
        return standard;
    }
    // Where the face is missing, the nearest sans-serif face stands in at the same size.
    QFont chosen(qstr(wanted.face));
    chosen.setStyleHint(QFont::SansSerif);
    chosen.setPointSizeF(wanted.points);
    chosen.setWeight(QFont::Normal);
    return chosen;
}

}  // namespace

AboutWindow::AboutWindow() {
    setObjectName("frmAbout");
    setWindowTitle(qstr(kAboutCaption));
    setWindowIcon(programIcon());
    // A fixed dialog border with a close button only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(px(kAboutClientArea.width), px(kAboutClientArea.height));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour(kAboutBackground));
    setPalette(palette);
    setAutoFillBackground(true);

    for (const ControlLayout& control : aboutWindowControls()) {
        QWidget* widget = nullptr;
        switch (control.kind) {
        case ControlKind::PushButton:
            ok_ = new QPushButton(qstr(control.caption), this);
            // Enter presses it as the default button; Esc is routed to it in keyPressEvent.
            ok_->setDefault(true);
            connect(ok_, &QPushButton::clicked, this, [this] { form_.cmdOK_Click(); });
            widget = ok_;
            break;
        case ControlKind::PictureElement: {
            auto* element = new PictureElement(this);
            element->setPicture(laidOutPicture(control.bitmap, control.bitmapSize));
            applyColours(*element, control.foreground, control.background);
            widget = element;
            break;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(qstr(control.caption), this);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setFont(layoutFont(control.font, label->font()));
            applyColours(*label, control.foreground, control.background);
            widget = label;
            break;
        }
        case ControlKind::Line:
            // Laid out past the right edge, which cuts it off there.
            widget = new QWidget(this);
            applyColours(*widget, control.foreground, control.background);
            break;
        case ControlKind::Frame: continue;
        }
        widget->setObjectName(widgetName(control));
        widget->setGeometry(px(control.place));
        if (control.tabIndex < 0) widget->setFocusPolicy(Qt::NoFocus);
    }
    if (ok_) ok_->setFocus();
}

int AboutWindow::showModal() {
    form_.Form_Load();
    if (const QScreen* screen = this->screen())
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                 screen->availableGeometry())
                 .topLeft());
    return exec();
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
    // Esc presses OK, as Enter does, rather than cancelling the dialog behind its back.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && ok_) {
        ok_->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void AboutWindow::setTopmost() { keepOnTop(*this, true); }

void AboutWindow::unload() { done(QDialog::Accepted); }

void showAboutWindow() {
    AboutWindow window;
    window.showModal();
}

}  // namespace helmsway::qt
