#include "DeployUnit.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "AcnListBox.h"
#include "PackageCopy.h"
#include "PuzzlePathRules.h"
#include "TessarinError.h"

namespace {
constexpr int kBorder = 8;
constexpr int kClientWidth = 436;
constexpr int kClientHeight = 310;
constexpr int kListWidth = 345;
} // namespace

TDeployForm::TDeployForm(const AcnProcs& holder, UiServices ui, QString gameProgramPath, QWidget* parent)
    : QDialog(parent), m_holder(holder), m_ui(ui), m_gameProgramPath(std::move(gameProgramPath))
{
    setObjectName(QStringLiteral("DeployForm"));
    setWindowTitle(QStringLiteral("Distribute Cryptograms"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    buildControls();
    const QString current = QString::fromStdString(m_holder.Puzzle.FileName);
    if (!current.isEmpty() && QFileInfo(current).isFile()) {
        m_list->SetPaths({QFileInfo(current).absoluteFilePath()});
    }
    updateButtons();
}

void TDeployForm::buildControls()
{
    m_list = new AcnListBox(this);
    m_list->setObjectName(QStringLiteral("AcnList"));
    m_list->setFixedWidth(kListWidth);
    m_addBtn = new QPushButton(QStringLiteral("Add..."), this);
    m_addBtn->setObjectName(QStringLiteral("AddBtn"));
    m_delBtn = new QToolButton(this);
    m_delBtn->setObjectName(QStringLiteral("DelBtn"));
    m_delBtn->setAutoRaise(true);
    m_delBtn->setIcon(
        QIcon::fromTheme(QStringLiteral("list-remove"), QIcon(QStringLiteral(":/distribute/remove.svg"))));
    m_delBtn->setIconSize(QSize(24, 24));
    m_delBtn->setToolTip(QStringLiteral("Remove the selected puzzle"));
    m_saveBtn = new QPushButton(QStringLiteral("Save..."), this);
    m_saveBtn->setObjectName(QStringLiteral("SaveBtn"));
    m_cancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_addBtn);
    buttons->addWidget(m_delBtn, 0, Qt::AlignHCenter);
    buttons->addStretch();
    buttons->addWidget(m_saveBtn);
    buttons->addWidget(m_cancelBtn);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(kBorder, kBorder, kBorder, kBorder);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    // The design size, or more where larger system fonts need it.
    setFixedSize(QSize(kClientWidth + 2 * kBorder, kClientHeight + 2 * kBorder).expandedTo(sizeHint()));

    connect(m_list, &AcnListBox::urlsDropped, this, &TDeployForm::AcnListDrop);
    connect(m_addBtn, &QPushButton::clicked, this, &TDeployForm::AddBtnClick);
    connect(m_delBtn, &QToolButton::clicked, this, &TDeployForm::DelBtnClick);
    connect(m_saveBtn, &QPushButton::clicked, this, &TDeployForm::SaveBtnClick);
    connect(m_cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    // The Delete key in the list does what the remove button does.
    auto* deleteKey = new QShortcut(QKeySequence::Delete, m_list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &TDeployForm::DelBtnClick);
    m_saveBtn->setDefault(true);
}

void TDeployForm::AcnListDrop(const QList<QUrl>& urls)
{
    QStringList paths = m_list->Paths();
    if (AddPuzzleUrls(paths, urls) > 0) {
        m_list->SetPaths(paths);
    }
    updateButtons();
}

void TDeployForm::addPaths(const QStringList& chosen)
{
    QStringList paths = m_list->Paths();
    int added = 0;
    for (const QString& path : chosen) {
        added += AddPuzzlePath(paths, path) ? 1 : 0;
    }
    if (added > 0) {
        m_list->SetPaths(paths);
    }
    updateButtons();
}

// The folder of the current puzzle; for a puzzle never saved, the maker's puzzle folder or the documents folder.
QString TDeployForm::documentFolder() const
{
    const QString current = QString::fromStdString(m_holder.Puzzle.FileName);
    if (!current.isEmpty() && QFileInfo(current).absoluteDir().exists()) {
        return QFileInfo(current).absolutePath();
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString ciphers = documents + QStringLiteral("/Dunmarrow/Ciphers");
    return QFileInfo(ciphers).isDir() ? ciphers : documents;
}

// Opens the puzzle's folder in the file manager to drag from, and offers a dialog that picks several puzzles for
// desktops without one.
void TDeployForm::AddBtnClick()
{
    const QString folder = documentFolder();
    m_ui.shell->open(QUrl::fromLocalFile(folder));
    FileDialogRequest request;
    request.title = QStringLiteral("Add puzzles to the package");
    request.folder = folder;
    request.filter = QStringLiteral("Tessarin Cryptogram (*.acnx *.ACNX)");
    request.confirmOverwrite = false;
    addPaths(m_ui.dialogs->openFileNames(this, request));
}

// Removes the selected entries, last first. The rows are noted before any goes: removing a row moves the current
// row, and with it the selection, onto a neighbour that must stay.
void TDeployForm::DelBtnClick()
{
    QList<int> selectedRows;
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->isSelected()) {
            selectedRows.append(row);
        }
    }
    for (auto it = selectedRows.crbegin(); it != selectedRows.crend(); ++it) {
        delete m_list->takeItem(*it);
    }
    m_list->clearSelection();
    m_list->setCurrentRow(-1);
    m_addBtn->setFocus();
    updateButtons();
}

void TDeployForm::SaveBtnClick()
{
    const QStringList paths = m_list->Paths();
    if (paths.isEmpty()) {
        return;
    }
    FileDialogRequest request;
    request.title = QStringLiteral("Save puzzle package to...");
    request.folder = QFileInfo(paths.first()).absolutePath();
    request.fileName = QStringLiteral("TessarinPack");
    const QString packageFolder = m_ui.dialogs->folderName(this, request);
    if (packageFolder.isEmpty()) {
        return;
    }
    try {
        // Files of an existing folder are replaced only after one question that lists them.
        const QStringList replaced = PackageReplacements(paths, packageFolder, m_gameProgramPath);
        if (!replaced.isEmpty() && !m_ui.dialogs->confirm(this, QStringLiteral("Replace files?"),
                                                          ReplaceQuestionText(packageFolder, replaced))) {
            return;
        }
        BuildPackage(paths, packageFolder, m_gameProgramPath);
    } catch (const TessarinError& error) {
        m_ui.dialogs->showError(this, QString::fromUtf8(error.what()));
        return;
    }
    const QString where = QDir::toNativeSeparators(packageFolder);
    if (m_ui.dialogs->confirm(this, QStringLiteral("Package saved"),
                              QStringLiteral("The puzzles and the game are in \"%1\". Open this folder?").arg(where))) {
        m_ui.shell->open(QUrl::fromLocalFile(packageFolder));
    }
    accept();
}

void TDeployForm::updateButtons()
{
    const bool any = m_list->count() > 0;
    m_delBtn->setEnabled(any);
    m_saveBtn->setEnabled(any);
}
