#include <QDialogButtonBox>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "ShellFixture.h"
#include "about/AboutLayout.h"
#include "support/qt/LayoutWidgets.h"

namespace helmsway::qt::testing {
namespace {

// Types text as key events carrying the characters, which QTest::keyClicks cannot do for
// letters beyond ASCII.
void type(QWidget* target, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(target, &release);
    }
}

enum class Answer { TypeAndOk, TypeAndCancel, TypeAndEscape, TypeAndClose };

struct NameCase {
    Answer answer;
    QString typed;
    std::string expectedCommand;  // "" when nothing may be relayed
};

TEST_F(Shell, TheShipNamePromptRelaysOnlyAnAcceptedNonEmptyName) {
    const NameCase cases[] = {
        {Answer::TypeAndOk, "Sea Wolf", "Set Name Sea Wolf{ENTER}"},
        {Answer::TypeAndOk, "a+b{c} ß é", "Set Name a{+}b{{}c{}} ß é{ENTER}"},
        {Answer::TypeAndOk, "", ""},
        {Answer::TypeAndCancel, "Ghost", ""},
        {Answer::TypeAndEscape, "Ghost", ""},
        {Answer::TypeAndClose, "Ghost", ""},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        desktop.form().strCommand = "Stop{ENTER}";
        desktop.setTimerEnabled(false);
        QString title, prompt, startText;
        whenModal([&](QWidget& modal) {
            auto* dialog = qobject_cast<QInputDialog*>(&modal);
            ASSERT_NE(dialog, nullptr);
            title = dialog->windowTitle();
            prompt = dialog->labelText();
            auto* line = dialog->findChild<QLineEdit*>();
            ASSERT_NE(line, nullptr);
            startText = line->text();
            type(line, c.typed);
            switch (c.answer) {
            case Answer::TypeAndOk: QTest::keyClick(line, Qt::Key_Return); break;
            case Answer::TypeAndCancel:
                dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
                break;
            case Answer::TypeAndEscape: QTest::keyClick(line, Qt::Key_Escape); break;
            case Answer::TypeAndClose: dialog->close(); break;
            }
        });
        desktop.window().action(Menu::mnuName)->trigger();
        EXPECT_EQ(title, "Ship Name");
        EXPECT_EQ(prompt, "Enter the name your ship");
        EXPECT_EQ(startText, "");
        if (c.expectedCommand.empty()) {
            EXPECT_EQ(desktop.form().strCommand, "Stop{ENTER}");
            EXPECT_FALSE(desktop.timer1().isActive());
        } else {
            EXPECT_EQ(desktop.form().strCommand, c.expectedCommand);
            EXPECT_TRUE(desktop.timer1().isActive());
        }
    }
}

struct AboutSeen {
    QPointer<QWidget> window;
    QString title;
    std::map<QString, QString> texts;
    QString focus;
    bool okIsDefault = false;
    QRect line;
    QSize client;
    QString titleFamily;
    double titlePoints = 0;
    bool onTop = false;
};

AboutSeen inspectAbout(QWidget& modal) {
    AboutSeen seen;
    seen.window = &modal;
    seen.title = modal.windowTitle();
    for (QLabel* label : modal.findChildren<QLabel*>())
        seen.texts[label->objectName()] = label->text();
    if (QWidget* focused = modal.focusWidget()) seen.focus = focused->objectName();
    if (auto* ok = modal.findChild<QPushButton*>("cmdOK")) seen.okIsDefault = ok->isDefault();
    if (QWidget* line = modal.findChild<QWidget*>("Line10"))
        seen.line = line->geometry().intersected(modal.rect());
    seen.client = modal.size();
    if (auto* title = modal.findChild<QLabel*>("lblTitle")) {
        seen.titleFamily = title->font().family();
        seen.titlePoints = title->font().pointSizeF();
    }
    seen.onTop = modal.windowFlags() & Qt::WindowStaysOnTopHint;
    return seen;
}

TEST_F(Shell, AboutOpensFreshEachTimeAndEveryWayOfClosingItWorks) {
    using Close = std::function<void(QWidget&)>;
    const std::pair<const char*, Close> closers[] = {
        {"OK", [](QWidget& w) { QTest::mouseClick(w.findChild<QPushButton*>("cmdOK"), Qt::LeftButton); }},
        {"Enter", [](QWidget& w) { QTest::keyClick(&w, Qt::Key_Return); }},
        {"Esc", [](QWidget& w) { QTest::keyClick(&w, Qt::Key_Escape); }},
        {"close", [](QWidget& w) { w.close(); }},
    };
    for (const auto& [how, close] : closers) {
        SCOPED_TRACE(how);
        AboutSeen seen;
        whenModal([&](QWidget& modal) {
            seen = inspectAbout(modal);
            close(modal);
        });
        desktop.window().action(Menu::mnuAbout)->trigger();
        EXPECT_TRUE(seen.window.isNull()) << "destroyed once closed";
        EXPECT_EQ(seen.title, "About Helmsway");
        for (const ControlLayout& control : aboutWindowControls())
            if (control.kind == ControlKind::Label) {
                EXPECT_EQ(seen.texts[widgetName(control)], qstr(control.caption));
            }
        EXPECT_EQ(seen.texts["lblVersion"], "Version 4.0");
        EXPECT_EQ(seen.focus, "cmdOK");
        EXPECT_TRUE(seen.okIsDefault);
        EXPECT_EQ(seen.client, QSize(305, 246));
        // The white line runs from x = 7 to the window's right edge, 2 pixels thick.
        EXPECT_EQ(seen.line, QRect(7, 164, 305 - 7, 2));
        EXPECT_DOUBLE_EQ(seen.titlePoints, 13.5);
        EXPECT_TRUE(seen.onTop);
        EXPECT_FALSE(desktop.timer1().isActive());
    }
}

}  // namespace
}  // namespace helmsway::qt::testing
