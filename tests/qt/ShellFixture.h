#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "app/qt/QtDesktop.h"

namespace helmsway::qt::testing {

// A started main window: created from the tables, loaded, shown.
class Shell : public ::testing::Test {
protected:
    void SetUp() override {
        desktop.form().Form_Load();
        desktop.window().showCentred();
    }

    template <typename T = QWidget>
    T* widget(const QString& name) {
        return desktop.window().findChild<T*>(name);
    }

    QWidget& panel() { return *widget("frmHelmsway"); }

    QtDesktop desktop;
};

// Runs `inside` once the next modal window is up; the modal call itself blocks until the
// window is closed, so the test drives it from the event loop.
inline void whenModal(std::function<void(QWidget&)> inside) {
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [inside, poll] {
        if (QWidget* modal = QApplication::activeModalWidget())
            inside(*modal);
        else
            QTimer::singleShot(10, *poll);
    };
    QTimer::singleShot(0, *poll);
}

}  // namespace helmsway::qt::testing
