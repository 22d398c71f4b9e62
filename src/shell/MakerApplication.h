#pragma once

#include <QApplication>

#include "UiServices.h"

/// The maker's application: its titles, and the one place where an error that escaped a command's own report
/// reaches the user as a stop box.
class MakerApplication : public QApplication
{
    Q_OBJECT
public:
    MakerApplication(int& argc, char** argv);

    void setDialogs(Dialogs* dialogs) { m_dialogs = dialogs; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    Dialogs* m_dialogs = nullptr;
};
