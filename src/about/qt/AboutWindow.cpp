#include "about/qt/AboutWindow.h"

#include "about/AboutLayout.h"
#include "support/qt/BuildWindow.h"
#include "support/qt/Twips.h"
#include "support/qt/Stacking.h"

namespace helmsway::qt {

AboutWindow::AboutWindow() {
    setFixedSize(px(aboutWindow().clientArea.width), px(aboutWindow().clientArea.height));
    buildWindow(*this, aboutWindow(), [this](ControlId id) { form_.click(id); });
}

int AboutWindow::showModal() {
    form_.Form_Load();
    placeAsLaidOut(*this, aboutWindow());
    return exec();
}

void AboutWindow::setTopmost() { keepOnTop(*this, true); }

void AboutWindow::unload() { done(QDialog::Accepted); }

void showAboutWindow() {
    AboutWindow window;
    window.showModal();
}

}  // namespace helmsway::qt
