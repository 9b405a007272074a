#include "about/qt/AboutWindow.h"

#include <QScreen>
#include <QStyle>

#include "about/AboutLayout.h"
#include "support/qt/BuildWindow.h"
#include "support/qt/Twips.h"
#include "support/qt/WindowSystem.h"

namespace helmsway::qt {

AboutWindow::AboutWindow() {
    // A fixed dialog border with a close button only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(px(aboutWindow().clientArea.width), px(aboutWindow().clientArea.height));
    buildWindow(*this, aboutWindow(), [this](ControlId id) { form_.click(id); });
}

int AboutWindow::showModal() {
    form_.Form_Load();
    if (const QScreen* screen = this->screen())
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                 screen->availableGeometry())
                 .topLeft());
    return exec();
}

void AboutWindow::setTopmost() { keepOnTop(*this, true); }

void AboutWindow::unload() { done(QDialog::Accepted); }

void showAboutWindow() {
    AboutWindow window;
    window.showModal();
}

}  // namespace helmsway::qt
