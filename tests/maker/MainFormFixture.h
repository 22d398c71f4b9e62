#pragma once

#include <memory>

#include <QAction>
#include <QLabel>
#include <QList>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "Acn5MainForm.h"
#include "AcnProcsUnit.h"
#include "Random.h"
#include "ScriptedUi.h"
#include "SettingsStore.h"

/// A main window on a fresh document, a settings file of its own and scripted services; waits are recorded instead
/// of waited. Home and documents folder are a temporary folder of the fixture.
struct MainFormFixture
{
    MainFormFixture();
    ~MainFormFixture();

    /// Shows the window and runs its start-up with arguments.
    void start(const QStringList& arguments = {});
    /// Types plain into the plaintext editor and encrypts it on the selected tab.
    void encrypt(const QString& plain) const;
    /// start(), then encrypt(plain): a puzzle with unsaved work.
    void startEncrypted(const QString& plain);

    template <class T> T* find(const QString& name) const { return window->findChild<T*>(name); }
    QAction* action(const QString& name) const { return find<QAction>(name); }
    void trigger(const QString& name) const { action(name)->trigger(); }
    QString panel(int index) const;
    QString marks() const; ///< the five mark panels as one text, "." for an empty panel
    QPlainTextEdit* source() const { return find<QPlainTextEdit>(QStringLiteral("SourceREdit")); }
    QPlainTextEdit* crypt() const { return find<QPlainTextEdit>(QStringLiteral("CryptREdit")); }
    void selectTab(CipherKind kind) const;
    /// Writes a puzzle file of doc's fields under the home folder and returns its path.
    QString writePuzzle(const QString& name, PuzzleDocument doc) const;
    QString home() const { return m_home.path(); }

    QTemporaryDir m_home;
    AcnProcs holder;
    std::unique_ptr<SettingsStore> settings;
    ScriptedUi ui;
    Random rng{20240501};
    QList<int> pauses;
    std::unique_ptr<TAcn5MainForm> window;
};

/// The fixture with its window shown and started without arguments.
struct StartedForm : MainFormFixture
{
    StartedForm() { start(); }
};
