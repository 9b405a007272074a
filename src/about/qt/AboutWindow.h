#pragma once
// The About window frmAbout, built by walking its layout table. It is created for each
// opening and destroyed when it closes, so it never keeps anything between two.
#include <QDialog>

#include "about/frmAbout.h"

namespace helmsway::qt {

class AboutWindow : public QDialog, private AboutDesktop {
    Q_OBJECT
public:
    AboutWindow();

    // Form_Load, then the modal show, centred; returns once the window has been closed.
    int showModal();

private:
    void setTopmost() override;
    void unload() override;

    frmAbout form_{*this};
};

// Opens a fresh About window modally and returns once it has been closed and destroyed.
void showAboutWindow();

}  // namespace helmsway::qt
