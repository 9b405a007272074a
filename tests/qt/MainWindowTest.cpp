#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "ShellFixture.h"
#include "app/MainWindowLayout.h"
#include "support/qt/LayoutWidgets.h"
#include "support/qt/PictureElement.h"

namespace helmsway::qt::testing {
namespace {

QRect inPanel(QWidget& widget, QWidget& panel) {
    return {widget.mapTo(&panel, QPoint(0, 0)), widget.size()};
}

TEST_F(Shell, EveryControlIsAtItsPlaceInPixelsWithItsCaption) {
    int pictures = 0;
    for (const ControlLayout& control : mainWindowControls()) {
        SCOPED_TRACE(widgetName(control).toStdString());
        QWidget* found = widget(widgetName(control));
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(inPanel(*found, panel()), px(absolutePlace(control)));
        if (auto* button = qobject_cast<QPushButton*>(found)) {
            EXPECT_EQ(button->text(), qstr(control.caption));
        }
        if (auto* frame = qobject_cast<QGroupBox*>(found)) {
            EXPECT_EQ(frame->title(), qstr(control.caption));
        }
        if (control.kind == ControlKind::PictureElement) {
            ++pictures;
            EXPECT_NE(qobject_cast<PictureElement*>(found), nullptr);
        }
        if (control.insideFrame()) { EXPECT_EQ(found->parentWidget()->objectName(), "Frame1"); }
    }
    EXPECT_EQ(pictures, 22);
    // 15 twips to a pixel at 96 dpi: the offscreen screen's resolution.
    EXPECT_EQ(px(1425), 95);
    EXPECT_EQ(panel().width(), 167);
}

TEST_F(Shell, PicturesAreShownUnscaledAndCutOffAtTheElementsEdge) {
    if (!QFile::exists(":/laid-out/pad_4.bmp")) GTEST_SKIP() << "built without the pictures";
    for (const ControlLayout& control : mainWindowControls()) {
        if (control.kind != ControlKind::PictureElement) continue;
        SCOPED_TRACE(widgetName(control).toStdString());
        auto* element = widget<PictureElement>(widgetName(control));
        ASSERT_NE(element, nullptr);
        EXPECT_EQ(element->picture().size(),
                  QSize(control.bitmapSize.width, control.bitmapSize.height));
    }
    // Element 4 of the pad: a 28-pixel bitmap in a 25-pixel element, its right edge cut off.
    auto* pad4 = widget<PictureElement>("cmdDirection4");
    ASSERT_NE(pad4, nullptr);
    EXPECT_EQ(pad4->width(), 25);
    const QImage shown = pad4->grab().toImage();
    const QImage bitmap = pad4->picture().toImage();
    EXPECT_EQ(shown.pixelColor(24, 12), bitmap.pixelColor(24, 12));
    EXPECT_EQ(shown.pixelColor(0, 0), bitmap.pixelColor(0, 0));
}

TEST_F(Shell, TheMenusAreLaidOutWithoutShortcutsAndCheckedAfterStart) {
    QStringList seen;
    for (const MenuLayout& item : mainWindowMenus()) {
        QAction* action = desktop.window().action(item.name);
        ASSERT_NE(action, nullptr) << menuName(item.name);
        EXPECT_EQ(action->isSeparator(), item.isSeparator());
        if (!item.isSeparator()) { EXPECT_EQ(action->text(), qstr(item.caption)); }
        EXPECT_TRUE(action->shortcut().isEmpty());
    }
    const QList<QAction*> titles = desktop.window().menuBar()->actions();
    ASSERT_EQ(titles.size(), 2);
    EXPECT_EQ(titles[0]->text(), "Options");
    EXPECT_EQ(titles[1]->text(), "Interface");
    QStringList options;
    for (QAction* action : titles[0]->menu()->actions())
        options << (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(options, QStringList({"Always On Top", "-", "Set Ship Name", "-", "About", "-",
                                    "Exit"}));

    EXPECT_TRUE(desktop.window().action(Menu::mnuOnTop)->isChecked());
    EXPECT_TRUE(desktop.window().action(Menu::mnuSimple)->isChecked());
    EXPECT_FALSE(desktop.window().action(Menu::mnuAdvanced)->isChecked());
    EXPECT_FALSE(desktop.window().action(Menu::mnuAbout)->isCheckable());
    EXPECT_TRUE(desktop.window().windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(Shell, AChoiceOnlyMovesTheCheckMarksTheHandlerMoves) {
    QAction* onTop = desktop.window().action(Menu::mnuOnTop);
    onTop->trigger();
    EXPECT_FALSE(onTop->isChecked());
    EXPECT_FALSE(desktop.window().windowFlags() & Qt::WindowStaysOnTopHint);
    onTop->trigger();
    EXPECT_TRUE(onTop->isChecked());
    EXPECT_TRUE(desktop.window().windowFlags() & Qt::WindowStaysOnTopHint);
    // Choosing the layout in force keeps its mark (Qt alone would clear it).
    desktop.window().action(Menu::mnuSimple)->trigger();
    EXPECT_TRUE(desktop.window().action(Menu::mnuSimple)->isChecked());
    EXPECT_FALSE(desktop.window().action(Menu::mnuAdvanced)->isChecked());
}

TEST_F(Shell, SimpleShowsTheHelmOnlyAndAdvancedTheFrameBelowIt) {
    const QPoint corner = desktop.window().pos();
    const int menuBar = desktop.window().menuBar()->height();
    struct Case {
        Menu item;
        int panelTwips;
        bool frameInView;
    };
    for (const Case& c : {Case{Menu::mnuAdvanced, 4395, true}, Case{Menu::mnuSimple, 2670, false},
                          Case{Menu::mnuAdvanced, 4395, true}}) {
        desktop.window().action(c.item)->trigger();
        EXPECT_EQ(panel().height(), px(c.panelTwips));
        EXPECT_EQ(desktop.window().height(), menuBar + px(c.panelTwips));
        EXPECT_EQ(desktop.window().width(), px(2505));
        EXPECT_EQ(desktop.window().pos(), corner);
        EXPECT_EQ(desktop.window().minimumSize(), desktop.window().maximumSize());
        for (const ControlLayout& control : mainWindowControls()) {
            const bool inView = panel().rect().contains(px(absolutePlace(control)));
            EXPECT_EQ(inView, control.kind == ControlKind::PictureElement || c.frameInView)
                << widgetName(control).toStdString();
        }
    }
}

TEST_F(Shell, APictureClickIsAPressAndAReleaseInsideTheElement) {
    auto* gem = widget<PictureElement>("BlueGem2");
    ASSERT_NE(gem, nullptr);
    QTest::mouseClick(gem, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(desktop.form().intFacing, 2);
    auto* gem4 = widget<PictureElement>("BlueGem4");
    QTest::mousePress(gem4, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(gem4, Qt::LeftButton, {}, QPoint(40, 3));
    EXPECT_EQ(desktop.form().intFacing, 2);
    QTest::mouseClick(gem4, Qt::RightButton, {}, QPoint(3, 3));
    EXPECT_EQ(desktop.form().intFacing, 2);
}

TEST_F(Shell, ACommandArmsTimer1AndClosingTheWindowDisarmsIt) {
    EXPECT_FALSE(desktop.timer1().isActive());
    QTest::mouseClick(widget("cmdStop"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(desktop.form().strCommand, "Stop{ENTER}");
    EXPECT_TRUE(desktop.timer1().isActive());
    EXPECT_EQ(desktop.timer1().interval(), 300);
    desktop.window().action(Menu::mnuExit)->trigger();
    EXPECT_FALSE(desktop.timer1().isActive());
    EXPECT_FALSE(desktop.window().isVisible());
}

TEST_F(Shell, AMissingOrBrokenRuntimePictureIsRefusedAndTheOldOneStays) {
    auto* pad0 = widget<PictureElement>("cmdDirection0");
    ASSERT_NE(pad0, nullptr);
    const QImage before = pad0->picture().toImage();
    EXPECT_FALSE(desktop.showPicture({Control::cmdDirection, 0}, "no_such_picture.bmp"));
    EXPECT_EQ(pad0->picture().toImage(), before);

    const QString broken = QCoreApplication::applicationDirPath() + "/not_a_picture.bmp";
    {
        QFile file(broken);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("BM but nothing a bitmap reader would take");
    }
    EXPECT_FALSE(desktop.showPicture({Control::cmdDirection, 0}, "not_a_picture.bmp"));
    QFile::remove(broken);
    EXPECT_EQ(pad0->picture().toImage(), before);

    // The real file, loaded from beside the program, replaces the picture.
    if (!QFile::exists(QCoreApplication::applicationDirPath() + "/fwd_l_sa.bmp"))
        GTEST_SKIP() << "built without the pictures";
    EXPECT_TRUE(desktop.showPicture({Control::cmdDirection, 0}, "fwd_l_sa.bmp"));
    EXPECT_NE(pad0->picture().toImage(), before);
}

}  // namespace
}  // namespace helmsway::qt::testing
