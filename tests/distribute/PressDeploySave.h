#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include "DeployUnit.h"

/// Once the distribution dialog is the modal window, presses its Save button (the save dialog answers from the
/// script), and closes it with Cancel when the save left it open.
inline void pressSaveWhenShown()
{
    QTimer::singleShot(0, [] {
        auto* form = qobject_cast<TDeployForm*>(QApplication::activeModalWidget());
        if (!form) {
            qWarning("no distribution dialog is showing");
            return;
        }
        form->findChild<QAbstractButton*>(QStringLiteral("SaveBtn"))->click();
        if (form->isVisible()) {
            form->findChild<QAbstractButton*>(QStringLiteral("CancelBtn"))->click();
        }
    });
}
