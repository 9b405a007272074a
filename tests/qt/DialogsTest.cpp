#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "ShellFixture.h"

namespace helmsway::qt::testing {
namespace {

enum class Answer { Ok, Cancel, Escape };

// The answer goes to the handler exactly as typed, blanks at either end included; only OK
// with some text relays it.
TEST_F(Shell, TheShipNamePromptRelaysOnlyAnAcceptedNonEmptyNameAndKeepsItsBlanks) {
    const std::tuple<Answer, QString, std::string> cases[] = {
        // "": nothing relayed
        {Answer::Ok, "  Sea Wolf  ", "Set Name   Sea Wolf  {ENTER}"},
        {Answer::Ok, "a+b{c} ß é", "Set Name a{+}b{{}c{}} ß é{ENTER}"},
        {Answer::Ok, "", ""},
        {Answer::Cancel, "Ghost", ""},
        {Answer::Escape, "Ghost", ""},
    };
    for (const auto& [answer, typed, command] : cases) {
        SCOPED_TRACE(typed.toStdString());
        desktop.form().RelayCommand("Stop");
        desktop.setTimerEnabled(false);
        whenModal([&](QWidget& modal) {
            auto* dialog = qobject_cast<QInputDialog*>(&modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->windowTitle(), "Ship Name");
            EXPECT_EQ(dialog->labelText(), "Enter the name your ship");
            auto* line = dialog->findChild<QLineEdit*>();
            EXPECT_EQ(line->text(), "");
            line->setText(typed);
            switch (answer) {
            case Answer::Ok: QTest::keyClick(line, Qt::Key_Return); break;
            case Answer::Cancel:
                dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
                break;
            case Answer::Escape: QTest::keyClick(line, Qt::Key_Escape); break;
            }
        });
        desktop.window().action(Menu::mnuName)->trigger();
        EXPECT_EQ(desktop.form().pendingText(), command.empty() ? "Stop{ENTER}" : command);
        EXPECT_EQ(desktop.timer1().isActive(), !command.empty());
    }
}

// Every way of closing About destroys it, and each opening builds it afresh from its layout.
TEST_F(Shell, AboutOpensFreshEachTimeAndEveryWayOfClosingItWorks) {
    using Close = std::function<void(QWidget&)>;
    const std::pair<const char*, Close> closers[] = {
        {"OK",
         [](QWidget& w) { QTest::mouseClick(w.findChild<QPushButton*>("cmdOK"), Qt::LeftButton); }},
        {"Enter", [](QWidget& w) { QTest::keyClick(&w, Qt::Key_Return); }},
        {"Esc", [](QWidget& w) { QTest::keyClick(&w, Qt::Key_Escape); }},
        {"close", [](QWidget& w) { w.close(); }},
    };
    for (const auto& [how, close] : closers) {
        SCOPED_TRACE(how);
        QPointer<QWidget> about;
        whenModal([&](QWidget& modal) {
            about = &modal;
            EXPECT_EQ(modal.windowTitle(), "About Helmsway");
            EXPECT_EQ(modal.size(), QSize(305, 246));
            EXPECT_TRUE(modal.windowFlags() & Qt::WindowStaysOnTopHint);
            EXPECT_EQ(modal.focusWidget()->objectName(), "cmdOK");
            auto* title = modal.findChild<QLabel*>("lblTitle");
            EXPECT_EQ(title->text(), "Helmsway");
            EXPECT_DOUBLE_EQ(title->font().pointSizeF(), 13.5);
            // The white line runs from x = 7 to the window's right edge, 2 pixels thick.
            EXPECT_EQ(modal.findChild<QWidget*>("Line10")->geometry().intersected(modal.rect()),
                      QRect(7, 164, 305 - 7, 2));
            close(modal);
        });
        desktop.window().action(Menu::mnuAbout)->trigger();
        EXPECT_TRUE(about.isNull()) << "destroyed once closed";
    }
}

}  // namespace
}  // namespace helmsway::qt::testing
