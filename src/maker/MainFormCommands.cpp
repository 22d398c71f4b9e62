// The commands that open another window or program: print, printer setup, preferences, distribution, the table
// windows, quotations, the game, help and the about box, and the exports.
#include "Acn5MainForm.h"

#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QUrl>

#include "AcnAboutUnit.h"
#include "AcnProcsUi.h"
#include "AcnProcsUnit.h"
#include "MakerHelpWindow.h"
#include "SettingNames.h"
#include "SettingsStore.h"
#include "TessarinError.h"

#include "AcnPrefUnit.h"
#include "AcnPrintUnit.h"
#include "DeployUnit.h"
#include "ExportCommands.h"
#include "KeyTableUnit.h"
#include "PrinterSession.h"
#include "VigenTableUnit.h"

namespace {

const QString NothingToPrintMessage =
    QStringLiteral("Nothing to print! Create a cryptogram to print or discontinue this selection.");

QString programFile(const QString& folder, const QString& baseName)
{
#ifdef Q_OS_WIN
    return QDir(folder).filePath(baseName + QStringLiteral(".exe"));
#else
    return QDir(folder).filePath(baseName);
#endif
}

} // namespace

void TAcn5MainForm::PrintActExecute()
{
    if (CryptREdit->toPlainText().isEmpty()) {
        ShowError(m_ui, this, NothingToPrintMessage);
        return;
    }
    TAcnPrintForm form(m_holder, m_settings, m_ui, selectedKind(), this);
    form.exec();
}

void TAcn5MainForm::PrintSetupActExecute()
{
    if (m_printerSetup) {
        m_printerSetup(this);
        return;
    }
    RunPrinterSetup(this, SessionPrinter());
}

void TAcn5MainForm::PrefersActExecute()
{
    {
        TAcnPrefForm form(m_holder, m_settings, m_ui, size(), this);
        form.exec();
    }
    if (m_holder.PrefsChanged) {
        m_holder.PrefsChanged = false;
        ApplyViewSettings();
    }
}

void TAcn5MainForm::DistributeActExecute()
{
    // The package copies the puzzle files as they are on disk: unsaved work would be left out of it unseen.
    if (hasUnsavedWork() && !AskSaveChanges()) {
        return;
    }
    TDeployForm form(m_holder, m_ui, gameProgramPath(), this);
    if (form.exec() == QDialog::Accepted) {
        ShowProgress();
    }
}

void TAcn5MainForm::KeyTableActExecute()
{
    // The keys as a save would write them: those typed in the boxes until the Quagmire has a ciphertext, then those
    // that made it.
    EncryptOptions options = optionsOfGroups();
    readKeyBoxes(options);
    TKeyTableForm form(WithTypedText(m_holder.Puzzle, {}, options), this);
    if (form.columnError()) {
        // The conversion error is reported as any other, and the table then opens without a column.
        ShowError(m_ui, this, QString::fromStdString(*form.columnError()));
    }
    form.exec();
}

void TAcn5MainForm::VigTableActExecute()
{
    TVigenTableForm form(m_holder, this);
    form.exec();
}

void TAcn5MainForm::ExpTextActExecute()
{
    ExportTextFile(this, m_holder, selectedKind(), m_settings, m_ui);
}

void TAcn5MainForm::ExpRTFActExecute()
{
    ExportRtfFile(this, m_holder, selectedKind(), m_settings, m_ui);
}

void TAcn5MainForm::ExportCipherWebActExecute()
{
    ExportCipherToWeb(this, m_holder, selectedKind(), m_settings, m_ui);
}

void TAcn5MainForm::QuoteActExecute()
{
    // A program path starts that program; anything else is handed to the shell as an address.
    QString tool = m_settings.ReadSetting(Setting::QuoteTool, SettingDefault::QuoteTool).trimmed();
    if (tool.isEmpty()) {
        tool = SettingDefault::QuoteTool; // an emptied tool field means the maker's own site again
    }
    const QFileInfo program(tool);
    if (!tool.contains(QStringLiteral("://")) && program.isFile() && program.isExecutable()) {
        if (!m_ui.shell->startProgram(program.absoluteFilePath())) {
            throw TessarinError("The quotation tool \"" + QDir::toNativeSeparators(tool).toStdString() +
                                "\" could not be started.");
        }
        return;
    }
    const QUrl url = QUrl::fromUserInput(tool);
    if (!url.isValid()) {
        throw TessarinError("The quotation tool \"" + tool.toStdString() + "\" is neither a program nor an address.");
    }
    if (!m_ui.shell->open(url)) {
        throw TessarinError("The quotation tool \"" + tool.toStdString() +
                            "\" could not be opened: no program on this system opens it.");
    }
}

QString TAcn5MainForm::gameProgramPath() const
{
    return programFile(m_programFolder, QStringLiteral("tessarin5game"));
}

void TAcn5MainForm::LaunchGameEdition()
{
    const QString game = gameProgramPath();
    if (!QFileInfo(game).isFile()) {
        throw TessarinError("The game edition cannot be started: \"" + QDir::toNativeSeparators(game).toStdString() +
                            "\" does not exist.");
    }
    if (!m_ui.shell->startProgram(game)) {
        throw TessarinError("The game edition \"" + QDir::toNativeSeparators(game).toStdString() +
                            "\" could not be started.");
    }
}

TMakerHelpForm* TAcn5MainForm::helpForm()
{
    if (!m_help) {
        m_help = new TMakerHelpForm(QDir(m_programFolder).filePath(QStringLiteral("tessarin5.qhc")));
        m_help->setAttribute(Qt::WA_DeleteOnClose);
    }
    return m_help;
}

void TAcn5MainForm::ContentsActExecute()
{
    helpForm()->showContents();
}

void TAcn5MainForm::KeywordActExecute()
{
    helpForm()->showKeyword(QStringLiteral("Introduction"));
}

void TAcn5MainForm::AboutActExecute()
{
    TAcnAboutForm about(this);
    about.exec();
}
