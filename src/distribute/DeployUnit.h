#pragma once

#include <QDialog>
#include <QString>

#include "AcnProcsUnit.h"
#include "UiServices.h"

class AcnListBox;
class QPushButton;
class QToolButton;

/// "Distribute Cryptograms": collects puzzle files and copies them with the game program into a package folder.
/// Ends with Accepted only after a complete save; Cancel or the close box end it with Rejected.
class TDeployForm : public QDialog
{
    Q_OBJECT
public:
    TDeployForm(const AcnProcs& holder, UiServices ui, QString gameProgramPath, QWidget* parent = nullptr);

private:
    void buildControls();
    void AcnListDrop(const QList<QUrl>& urls);
    void AddBtnClick();
    void DelBtnClick();
    void SaveBtnClick();
    void addPaths(const QStringList& paths);
    void updateButtons();
    QString documentFolder() const;

    const AcnProcs& m_holder;
    UiServices m_ui;
    QString m_gameProgramPath;
    AcnListBox* m_list = nullptr;
    QPushButton* m_addBtn = nullptr;
    QToolButton* m_delBtn = nullptr;
    QPushButton* m_saveBtn = nullptr;
    QPushButton* m_cancelBtn = nullptr;
};
