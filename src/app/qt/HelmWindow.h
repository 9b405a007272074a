#pragma once
// The main window frmHelmsway, built by walking the core's layout tables: the helm panel of
// picture elements, the frame with its push buttons and the menu bar. It reports clicks and
// menu choices by control name and index and holds no behaviour of its own.
#include <QMainWindow>
#include <functional>
#include <map>

#include "layout/Controls.h"

class QAction;

namespace helmsway::qt {

class PictureElement;

class HelmWindow : public QMainWindow {
    Q_OBJECT
public:
    struct Events {
        std::function<void(ControlId)> click;
        std::function<void(Menu)> menu;
        std::function<void()> closing;
        // The window has become active, by a click on it or otherwise (see changeEvent).
        std::function<void(bool byClick)> activated;
    };

    explicit HelmWindow(Events events);

    PictureElement* picture(ControlId element) const;
    QAction* action(Menu item) const;

    // The check marks are the program's: a choice never flips one by itself.
    bool isChecked(Menu item) const;
    void setChecked(Menu item, bool checked);

    // The height of the area below the menu bar, in pixels; the window grows or shrinks at its
    // bottom edge and the controls keep their places.
    void setPanelHeight(int pixels);

    void showCentred();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();

    Events events_;
    QWidget* panel_;
    std::map<Menu, QAction*> actions_;
};

}  // namespace helmsway::qt
