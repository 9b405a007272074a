#include "support/qt/BuildWindow.h"

#include <QFont>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <utility>
#include <vector>

#include "support/qt/LayoutWidgets.h"
#include "support/qt/PictureElement.h"
#include "support/qt/Pictures.h"
#include "support/qt/Twips.h"

namespace helmsway::qt {
namespace {

QFont layoutFont(const Font& wanted, const Font& windowFont, QFont standard) {
    // The window's font is the narrow dialog font the labels were laid out for. The desktop's
    // standard face stands in for it a pixel smaller: its wider letters need that pixel to keep
    // every line inside its label.
    if (wanted.face.empty()) {
        standard.setPixelSize(qRound(windowFont.points * screenDpi() / 72.0) - 1);
        return standard;
    }
    // Where the face is missing, the nearest sans-serif face stands in at the same size.
    QFont chosen(qstr(wanted.face));
    chosen.setStyleHint(QFont::SansSerif);
    chosen.setPointSizeF(wanted.points);
    chosen.setWeight(QFont::Normal);
    return chosen;
}

// Esc presses the cancel button, as Enter presses the default one, rather than letting a
// dialog close itself without the button's handler. It sees the key once the focused
// control has passed it on to the window.
class CancelKey final : public QObject {
public:
    CancelKey(QWidget& window, QPushButton& button) : QObject(&window), button_(button) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (key->key() != Qt::Key_Escape || key->modifiers() != Qt::NoModifier) return false;
        button_.click();
        return true;
    }

private:
    QPushButton& button_;
};

Qt::WindowFlags windowFlags(Border border) {
    constexpr Qt::WindowFlags kTitleBar = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    switch (border) {
    case Border::FixedSingle:
        return Qt::Window | kTitleBar | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
               Qt::WindowCloseButtonHint;
    case Border::FixedDialog: return Qt::Dialog | kTitleBar | Qt::WindowCloseButtonHint;
    }
    return Qt::Window;
}

QWidget* createControl(const ControlLayout& control, const WindowLayout& window, QWidget& parent,
                       const std::function<void(ControlId)>& click) {
    const KeyboardRoles& keyboard = window.keyboard;
    const ControlId id = control.id();
    switch (control.kind) {
    case ControlKind::PictureElement: {
        auto* element = new PictureElement(&parent);
        element->setPicture(laidOutPicture(control.bitmap, control.bitmapSize));
        QObject::connect(element, &PictureElement::clicked, element, [click, id] { click(id); });
        return element;
    }
    case ControlKind::PushButton: {
        auto* button = new QPushButton(caption(control.caption), &parent);
        // Enter presses the default button wherever the focus is; no other button takes
        // that role, not even while it has the focus.
        const bool isDefault = id == keyboard.defaultButton;
        button->setAutoDefault(isDefault);
        button->setDefault(isDefault);
        QObject::connect(button, &QPushButton::clicked, button, [click, id] { click(id); });
        if (id == keyboard.cancelButton) new CancelKey(*parent.window(), *button);
        return button;
    }
    case ControlKind::Frame: return new QGroupBox(caption(control.caption), &parent);
    case ControlKind::Label: {
        auto* label = new QLabel(qstr(control.caption), &parent);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setFont(layoutFont(control.font, window.font, label->font()));
        return label;
    }
    case ControlKind::Line:
        // Laid out past the right edge, which cuts it off there.
        return new QWidget(&parent);
    }
    return nullptr;
}

}  // namespace

void buildWindow(QWidget& panel, const WindowLayout& window,
                 const std::function<void(ControlId)>& click) {
    QWidget& topLevel = *panel.window();
    // The window's own size is fixed, so the window manager offers no resizing either.
    topLevel.setWindowFlags(windowFlags(window.border));
    topLevel.setWindowTitle(qstr(window.caption));
    topLevel.setWindowIcon(iconPicture(window.icon));
    panel.setObjectName(qstr(window.name));
    QPalette palette = panel.palette();
    palette.setColor(QPalette::Window, colour(window.background));
    panel.setPalette(palette);
    panel.setAutoFillBackground(true);

    std::vector<std::pair<ControlId, QWidget*>> built;
    std::vector<std::pair<int, QWidget*>> tabOrder;
    QWidget* firstFocus = nullptr;
    for (const ControlLayout& control : window.controls) {
        // A frame comes before its controls in the table; it clips them to its rectangle.
        QWidget* parent = &panel;
        if (control.insideFrame()) {
            const auto frame = std::ranges::find(built, ControlId{control.parent},
                                                 &std::pair<ControlId, QWidget*>::first);
            if (frame != built.end()) parent = frame->second;
        }
        QWidget* widget = createControl(control, window, *parent, click);
        widget->setObjectName(widgetName(control));
        // Push buttons keep the platform's look; everything else shows the table's colours.
        if (control.kind != ControlKind::PushButton)
            applyColours(*widget, control.foreground, control.background);
        QRect place = px(absolutePlace(window.controls, control));
        // Placed so that the absolute place in the client area is exactly the converted
        // absolute place, whatever the rounding inside the frame.
        if (parent != &panel) place.translate(-parent->geometry().topLeft());
        widget->setGeometry(place);
        if (control.tabIndex < 0)
            widget->setFocusPolicy(Qt::NoFocus);
        else
            tabOrder.emplace_back(control.tabIndex, widget);
        if (control.id() == window.keyboard.firstFocus) firstFocus = widget;
        built.emplace_back(control.id(), widget);
    }
    std::ranges::sort(tabOrder, {}, &std::pair<int, QWidget*>::first);
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    if (firstFocus != nullptr) firstFocus->setFocus();
}

void placeAsLaidOut(QWidget& topLevel, const WindowLayout& window) {
    const QScreen* screen = topLevel.screen();
    if (!window.centred || screen == nullptr) return;
    topLevel.move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter,
                                      topLevel.frameGeometry().size(), screen->availableGeometry())
                      .topLeft());
}

}  // namespace helmsway::qt
