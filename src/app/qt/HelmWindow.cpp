#include "app/qt/HelmWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <vector>

#include "app/MainWindowLayout.h"
#include "support/qt/LayoutWidgets.h"
#include "support/qt/PictureElement.h"
#include "support/qt/Pictures.h"
#include "support/qt/Twips.h"

namespace helmsway::qt {
namespace {

// Captions are shown as they stand: '&' would make Qt underline an access letter.
QString caption(std::string_view s) { return qstr(s).replace(QLatin1Char('&'), "&&"); }

}  // namespace

HelmWindow::HelmWindow(Events events) : events_(std::move(events)), panel_(new QWidget(this)) {
    setWindowTitle(qstr(kMainWindowCaption));
    setWindowIcon(programIcon());
    // A fixed single border: minimise and close, no maximise; the fixed size below keeps the
    // window manager from offering a resize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    panel_->setObjectName("frmHelmsway");
    QPalette palette = panel_->palette();
    palette.setColor(QPalette::Window, colour(kMainBackground));
    panel_->setPalette(palette);
    panel_->setAutoFillBackground(true);
    setCentralWidget(panel_);
    buildControls();
    buildMenus();
    setPanelHeight(px(kMainClientArea.height));
}

void HelmWindow::buildControls() {
    QGroupBox* frame = nullptr;
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlLayout& control : mainWindowControls()) {
        const ControlId id = control.id();
        // The frame comes before its controls in the table; it clips them to its rectangle.
        QWidget* parent = control.insideFrame() && frame ? frame : panel_;
        QWidget* widget = nullptr;
        switch (control.kind) {
        case ControlKind::PictureElement: {
            auto* element = new PictureElement(parent);
            element->setPicture(laidOutPicture(control.bitmap, control.bitmapSize));
            connect(element, &PictureElement::clicked, this, [this, id] { events_.click(id); });
            pictures_[{id.name, id.index}] = element;
            widget = element;
            break;
        }
        case ControlKind::PushButton: {
            auto* button = new QPushButton(caption(control.caption), parent);
            button->setAutoDefault(false);
            connect(button, &QPushButton::clicked, this, [this, id] { events_.click(id); });
            widget = button;
            break;
        }
        case ControlKind::Frame:
            frame = new QGroupBox(caption(control.caption), parent);
            widget = frame;
            break;
        case ControlKind::Label:
        case ControlKind::Line: continue;  // the main window has none
        }
        widget->setObjectName(widgetName(control));
        if (control.kind != ControlKind::PushButton) applyColours(*widget, control.foreground, control.background);
        QRect place = px(absolutePlace(control));
        // Placed so that the absolute place in the client area is exactly the converted
        // absolute place, whatever the rounding inside the frame.
        if (parent != panel_) place.translate(-parent->geometry().topLeft());
        widget->setGeometry(place);
        if (control.tabIndex >= 0) tabOrder.emplace_back(control.tabIndex, widget);
    }
    std::ranges::sort(tabOrder, {}, &std::pair<int, QWidget*>::first);
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
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
        QAction* action = item.isSeparator() ? menu->addSeparator()
                                             : menu->addAction(caption(item.caption));
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
    const auto found = pictures_.find({element.name, element.index});
    return found == pictures_.end() ? nullptr : found->second;
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
    const int width = px(kMainClientArea.width);
    panel_->setFixedSize(width, pixels);
    setFixedSize(width, menuBar()->sizeHint().height() + pixels);
}

void HelmWindow::showCentred() {
    if (const QScreen* screen = this->screen())
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, frameGeometry().size(),
                                 screen->availableGeometry())
                 .topLeft());
    show();
}

void HelmWindow::closeEvent(QCloseEvent* event) {
    if (events_.closing) events_.closing();
    QMainWindow::closeEvent(event);
}

}  // namespace helmsway::qt
