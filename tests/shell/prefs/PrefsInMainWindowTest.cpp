#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "Acn5MainForm.h"
#include "AcnPrefSwatch.h"
#include "AcnPrefUnit.h"
#include "AcnProcsUnit.h"
#include "Random.h"
#include "ScriptedUi.h"
#include "SettingNames.h"
#include "SettingsStore.h"

namespace {

// Once the preferences dialog is the modal window: picks the pale green swatch, runs Set Font, then presses the
// named button.
void operateDialogWhenShown(const char* finalButton)
{
    QTimer::singleShot(0, [finalButton] {
        auto* form = qobject_cast<TAcnPrefForm*>(QApplication::activeModalWidget());
        if (!form) {
            qWarning("no preferences dialog is showing");
            return;
        }
        QTest::mouseRelease(form->findChild<AcnPrefSwatch*>(QStringLiteral("Shape2")), Qt::LeftButton);
        form->findChild<QAbstractButton*>(QStringLiteral("FontBtn"))->click();
        form->findChild<QAbstractButton*>(QString::fromUtf8(finalButton))->click();
    });
}

} // namespace

class PrefsInMainWindowTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
    }

    void savedLookIsAppliedAndCancelledLookIsNot_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("applied");
        QTest::newRow("Save") << QStringLiteral("SaveBtn") << true;
        QTest::newRow("Cancel") << QStringLiteral("CancelBtn") << false;
    }

    void savedLookIsAppliedAndCancelledLookIsNot()
    {
        QFETCH(QString, button);
        QFETCH(bool, applied);
        const SettingsStore settings(m_dir.filePath(button + QStringLiteral(".conf")));
        ScriptedUi ui;
        QFont chosen(QStringLiteral("DejaVu Serif"));
        chosen.setPointSize(15);
        chosen.setItalic(true);
        ui.dialogs.fontAnswers.push_back(chosen);
        AcnProcs holder;
        Random rng(7);
        TAcn5MainForm window(holder, settings, ui.services(), rng);
        window.show();
        window.ApplyViewSettings();
        auto* plain = window.findChild<QPlainTextEdit*>(QStringLiteral("SourceREdit"));
        auto* cipher = window.findChild<QPlainTextEdit*>(QStringLiteral("CryptREdit"));
        QVERIFY(plain && cipher);
        const QColor before = plain->palette().color(QPalette::Base);

        const QByteArray buttonName = button.toUtf8();
        operateDialogWhenShown(buttonName.constData());
        window.findChild<QAction*>(QStringLiteral("PrefersAct"))->trigger();

        QVERIFY(!holder.PrefsChanged); // the main window cleared it after applying
        if (applied) {
            QCOMPARE(plain->palette().color(QPalette::Base), QColor(233, 250, 226));
            QCOMPARE(plain->font().family(), QStringLiteral("DejaVu Serif"));
            QCOMPARE(plain->font().pointSize(), 15);
            QVERIFY(plain->font().italic());
            QCOMPARE(cipher->font(), plain->font());
            QCOMPARE(settings.ReadSetting(Setting::PTWinColor, QString()), QStringLiteral("$00E2FAE9"));
        } else {
            QCOMPARE(plain->palette().color(QPalette::Base), before);
            QCOMPARE(plain->font().family(), QStringLiteral("Tahoma"));
            QCOMPARE(settings.ReadSetting(Setting::PTWinColor, QStringLiteral("<none>")), QStringLiteral("<none>"));
        }
        window.hide();
    }
};

QTEST_MAIN(PrefsInMainWindowTest)
#include "PrefsInMainWindowTest.moc"
