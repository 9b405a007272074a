#include "app/qt/HelmWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "app/MainWindowLayout.h"
#include "support/qt/BuildWindow.h"
#include "support/qt/LayoutWidgets.h"
#include "support/qt/PictureElement.h"
#include "support/qt/Twips.h"

namespace helmsway::qt {

HelmWindow::HelmWindow(Events events) : events_(std::move(events)), panel_(new QWidget(this)) {
    setCentralWidget(panel_);
    buildWindow(*panel_, mainWindow(), [this](ControlId id) { events_.click(id); });
    buildMenus();
    setPanelHeight(px(mainWindow().clientArea.height));
}

void HelmWindow::buildMenus() {
    QMenu* menu = nullptr;
    for (const MenuLayout& item : mainWindowMenus()) {
        if (item.isTitle()) {
            menu = menuBar()->addMenu(caption(item.caption));
            menu->setObjectName(qstr(menuName(item.name)));
            actions_[item.name] = menu->menuAction();
            continue;
        }
        QAction* action =
            item.isSeparator() ? menu->addSeparator() : menu->addAction(caption(item.caption));
        action->setObjectName(qstr(menuName(item.name)));
        actions_[item.name] = action;
        if (item.isSeparator()) continue;
        setChecked(item.name, item.checked);
        const Menu name = item.name;
        connect(action, &QAction::triggered, this, [this, action, name] {
            // Qt has just flipped a checkable item; the handler decides about the mark.
            if (action->isCheckable()) action->setChecked(true);
            events_.menu(name);
        });
    }
}

PictureElement* HelmWindow::picture(ControlId element) const {
    return panel_->findChild<PictureElement*>(widgetName(element));
}

QAction* HelmWindow::action(Menu item) const {
    const auto found = actions_.find(item);
    return found == actions_.end() ? nullptr : found->second;
}

bool HelmWindow::isChecked(Menu item) const {
    const QAction* a = action(item);
    return a && a->isChecked();
}

void HelmWindow::setChecked(Menu item, bool checked) {
    // Checkable only while checked: an item without its mark then looks like any other item
    // (some styles draw an empty box for an unchecked checkable one), and a choice can only
    // ever flip a mark that is set, which the triggered handler puts back.
    if (QAction* a = action(item)) {
        a->setCheckable(checked);
        a->setChecked(checked);
    }
}

void HelmWindow::setPanelHeight(int pixels) {
    const int width = px(mainWindow().clientArea.width);
    panel_->setFixedSize(width, pixels);
    setFixedSize(width, menuBar()->sizeHint().height() + pixels);
}

void HelmWindow::showCentred() {
    placeAsLaidOut(*this, mainWindow());
    show();
}

// The window manager activates a window it is clicked on before it passes the click on, and
// hands the activation back when a window of ours closes, sometimes late. The core hears of an
// activation once the events that came with it have been handled, and only if the window still
// holds it: a click on the helm has pressed a button or opened a menu by then.
void HelmWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QTimer::singleShot(0, this, [this] {
            if (!isActiveWindow()) return;
            const bool byClick = QGuiApplication::mouseButtons() != Qt::NoButton ||
                                 QApplication::activePopupWidget() != nullptr;
            events_.activated(byClick);
        });
    QMainWindow::changeEvent(event);
}

void HelmWindow::closeEvent(QCloseEvent* event) {
    if (events_.closing) events_.closing();
    QMainWindow::closeEvent(event);
}

}  // namespace helmsway::qt
