// What the Qt shell itself decides about the main window: pixels, menus, marks, clicks, the
// timer and the pictures it loads.
#include <QAction>
#include <QDeadlineTimer>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <thread>

#include "ShellFixture.h"
#include "support/qt/PictureElement.h"

namespace helmsway::qt::testing {
namespace {

QRect inPanel(QWidget& widget, QWidget& panel) {
    return {widget.mapTo(&panel, QPoint(0, 0)), widget.size()};
}

// At the offscreen screen's 96 dpi, 15 twips to a pixel, rounded to the nearest.
TEST_F(Shell, ControlsSitAtTheirPlacesInPixelsAndTheFrameHoldsItsButtons) {
    const std::pair<QString, QRect> kPlaces[] = {
        {"cmdDirection0", {46, 56, 26, 25}}, {"BlueGem0", {75, 25, 18, 18}},
        {"cmdTurnLeft", {16, 72, 21, 16}},   {"cmdPillar", {136, 144, 13, 23}},
        {"Frame1", {20, 184, 129, 97}},      {"cmdNavigate9", {76, 256, 17, 17}},
        {"cmdNav", {100, 256, 41, 17}},
    };
    for (const auto& [name, place] : kPlaces) {
        QWidget* found = widget(name);
        ASSERT_NE(found, nullptr) << name.toStdString();
        EXPECT_EQ(inPanel(*found, panel()), place) << name.toStdString();
    }
    EXPECT_EQ(widget("cmdNav")->parentWidget(), widget("Frame1")) << "the frame clips them";
    EXPECT_EQ(panel().width(), 167);
}

TEST_F(Shell, PicturesAreShownUnscaledAndCutOffAtTheElementsEdge) {
    auto* pad4 = widget<PictureElement>("cmdDirection4");
    ASSERT_NE(pad4, nullptr);
    EXPECT_EQ(pad4->picture().size(), QSize(28, 25));
    EXPECT_EQ(pad4->size(), QSize(25, 25));
    const QImage shown = pad4->grab().toImage();
    const QImage bitmap = pad4->picture().toImage();
    for (const QPoint at : {QPoint(0, 0), QPoint(24, 12), QPoint(12, 24)})
        EXPECT_EQ(shown.pixelColor(at), bitmap.pixelColor(at));
}

// The menus in order without shortcuts, the marks start-up set; afterwards a choice moves only
// the marks its handler moves (Qt alone would clear the mark of the layout in force).
TEST_F(Shell, TheMenusAndTheirCheckMarks) {
    QStringList seen;
    for (QAction* title : desktop.window().menuBar()->actions()) {
        seen << "|" + title->text();
        for (QAction* item : title->menu()->actions()) {
            seen << (item->isSeparator() ? "-" : item->text() + (item->isChecked() ? "*" : ""));
            EXPECT_TRUE(item->shortcut().isEmpty()) << item->text().toStdString();
        }
    }
    EXPECT_EQ(seen.join(";"),
              "|Options;Always On Top*;-;Set Ship Name;-;About;-;Exit;|Interface;Simple*;Advanced");
    QAction* onTop = desktop.window().action(Menu::mnuOnTop);
    for (const bool on : {false, true}) {
        onTop->trigger();
        EXPECT_EQ(onTop->isChecked(), on);
        EXPECT_EQ(desktop.window().windowFlags().testFlag(Qt::WindowStaysOnTopHint), on);
    }
    desktop.window().action(Menu::mnuSimple)->trigger();
    EXPECT_TRUE(desktop.window().action(Menu::mnuSimple)->isChecked());
    EXPECT_FALSE(desktop.window().action(Menu::mnuAdvanced)->isChecked());
}

TEST_F(Shell, SimpleShowsTheHelmOnlyAndAdvancedTheFrameBelowIt) {
    const QPoint corner = desktop.window().pos();
    const int menuBar = desktop.window().menuBar()->height();
    // The panel below the menu bar: 2670 and 4395 twips. The anchor reaches lowest of the helm.
    for (const auto& [item, height] :
         {std::pair{Menu::mnuAdvanced, 293}, std::pair{Menu::mnuSimple, 178}}) {
        desktop.window().action(item)->trigger();
        EXPECT_EQ(panel().height(), height);
        EXPECT_EQ(desktop.window().size(), QSize(167, menuBar + height));
        EXPECT_EQ(desktop.window().minimumSize(), desktop.window().maximumSize());
        EXPECT_EQ(desktop.window().pos(), corner);
        EXPECT_TRUE(panel().rect().contains(inPanel(*widget("cmdAnchor"), panel())));
        EXPECT_EQ(panel().rect().intersects(inPanel(*widget("Frame1"), panel())), height == 293);
    }
}

TEST_F(Shell, APictureClickIsAPressAndAReleaseInsideTheElement) {
    QTest::mouseClick(widget("BlueGem2"), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(desktop.form().facing(), Facing::UpRight);
    QWidget* gem4 = widget("BlueGem4");
    QTest::mousePress(gem4, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(gem4, Qt::LeftButton, {}, QPoint(40, 3));
    QTest::mouseClick(gem4, Qt::RightButton, {}, QPoint(3, 3));
    EXPECT_EQ(desktop.form().facing(), Facing::UpRight);
}

// With no game window the tick types the phrase into the helm itself: a control holding the
// focus would be pressed by its blank or Enter and relay again, for ever.
TEST_F(Shell, NoControlKeepsTheFocusSoKeysTypedIntoTheHelmPressNothing) {
    desktop.window().action(Menu::mnuAdvanced)->trigger();
    QTest::mouseClick(widget("cmdNavigate3"), Qt::LeftButton);
    desktop.setTimerEnabled(false);
    QWidget* focus = desktop.window().focusWidget();
    for (const auto key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Space})
        QTest::keyClick(focus != nullptr ? focus : &desktop.window(), key);
    EXPECT_FALSE(desktop.timer1().isActive()) << "a control relayed again";
}

// Timer1 only ticks from the event loop, which nothing here runs: the first count can run
// out without the tick coming, and the second command must start a whole 300 ms again.
TEST_F(Shell, ASecondCommandStartsThe300MsAfresh) {
    desktop.form().click({Control::cmdStop});
    EXPECT_EQ(desktop.timer1().interval(), 300);
    const QDeadlineTimer ceiling(60000);
    while (desktop.timer1().remainingTime() > 0 && !ceiling.hasExpired()) std::this_thread::yield();
    ASSERT_EQ(desktop.timer1().remainingTime(), 0);
    desktop.form().click({Control::cmdDirection, 1});
    EXPECT_GT(desktop.timer1().remainingTime(), 0);
    EXPECT_EQ(desktop.form().pendingText(), "Forward{ENTER}");
}

TEST_F(Shell, ClosingTheWindowEitherWayLeavesNoCommandPending) {
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"title bar", [&] { desktop.window().close(); }},
        {"Exit", [&] { desktop.window().action(Menu::mnuExit)->trigger(); }},
    };
    for (const auto& [how, close] : ways) {
        desktop.window().showCentred();
        QTest::mouseClick(widget("cmdStop"), Qt::LeftButton, {}, QPoint(5, 5));
        ASSERT_TRUE(desktop.timer1().isActive());
        close();
        EXPECT_FALSE(desktop.timer1().isActive()) << how;
        EXPECT_FALSE(desktop.window().isVisible()) << how;
    }
}

// An activation reaches the core once it has run its course, as a click's when a mouse button
// is down on the helm by then.
TEST(HelmWindowActivation, IsReportedWithWhetherItCameWithAClick) {
    std::vector<bool> reported;
    HelmWindow window({.click = [](ControlId) {},
                       .menu = [](Menu) {},
                       .closing = [] {},
                       .activated = [&](bool byClick) { reported.push_back(byClick); }});
    QWidget other;
    for (const bool click : {false, true}) {
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        reported.clear();
        if (click) QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(5, 5));
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !reported.empty(); }, 15000));
        EXPECT_EQ(reported, std::vector<bool>{click});
        if (click) QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(5, 5));
    }
}

// A run-time picture that is missing or cut short is refused, and the element
// keeps what it showed; the whole file beside the program replaces it.
TEST_F(Shell, OnlyAWholeBitmapReplacesAPicture) {
    auto* pad0 = widget<PictureElement>("cmdDirection0");
    const QImage before = pad0->picture().toImage();
    const QString dir = QCoreApplication::applicationDirPath() + "/";
    QFile whole(dir + "fwd_l_sa.bmp");
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    QFile half(dir + "cut_in_half.bmp");
    ASSERT_TRUE(half.open(QIODevice::WriteOnly));
    half.write(bytes.left(bytes.size() / 2));
    half.close();
    EXPECT_FALSE(desktop.showPicture({Control::cmdDirection, 0}, "cut_in_half.bmp"));
    half.remove();
    EXPECT_FALSE(desktop.showPicture({Control::cmdDirection, 0}, "no_such_picture.bmp"));
    EXPECT_EQ(pad0->picture().toImage(), before);
    EXPECT_TRUE(desktop.showPicture({Control::cmdDirection, 0}, "fwd_l_sa.bmp"));
    EXPECT_NE(pad0->picture().toImage(), before);
}

}  // namespace
}  // namespace helmsway::qt::testing
