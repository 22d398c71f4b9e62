#include "KeyToolWindow.h"

#include <QDialog>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

void SetUpKeyToolWindow(QDialog& window, const QString& caption)
{
    window.setWindowTitle(caption);
    window.setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    window.setModal(true);
    QFont font(QStringLiteral("Tahoma"), 8);
    window.setFont(font);
    window.setBackgroundRole(QPalette::Button);
    window.setAutoFillBackground(true);
}

QPushButton* MakeKeyButton(QDialog& window, const QString& name, const QString& caption, int left, int top)
{
    auto* button = new QPushButton(caption, &window);
    button->setObjectName(name);
    button->setGeometry(KeyWindowBorder + left, KeyWindowBorder + top, KeyButtonWidth, KeyButtonHeight);
    // Enter means OK wherever the focus is; only the OK button is made the default.
    button->setAutoDefault(false);
    return button;
}

void MoveToScreenTopLeft(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen) {
        return;
    }
    if (auto* ok = window.findChild<QPushButton*>(QStringLiteral("AcceptBtn"))) {
        ok->setFocus(Qt::OtherFocusReason);
    }
    // The corner is that of the frame: the window manager puts its title bar inside the screen.
    const QRect area = screen->availableGeometry();
    QPoint corner = area.topLeft();
    if (const QWidget* parent = window.parentWidget()) {
        const QRect over = parent->window()->frameGeometry();
        const QSize size = window.frameGeometry().size();
        const QPoint centred = over.center() - QPoint(size.width() / 2, size.height() / 2);
        corner = QPoint(qBound(area.left(), centred.x(), qMax(area.left(), area.right() + 1 - size.width())),
                        qBound(area.top(), centred.y(), qMax(area.top(), area.bottom() + 1 - size.height())));
    }
    window.move(corner);
    if (QWindow* handle = window.windowHandle()) {
        handle->setFramePosition(corner);
    }
}
