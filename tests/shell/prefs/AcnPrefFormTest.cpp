#include <climits>

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QMap>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include "AcnPrefSwatch.h"
#include "AcnPrefUnit.h"
#include "AcnPrefValues.h"
#include "FileSizeLimit.h"
#include "QtColor.h"
#include "ScriptedUi.h"
#include "SettingNames.h"
#include "SettingsStore.h"
#include "TessarinError.h"

namespace {

const QStringList kNames{Setting::ScreenHeight, Setting::ScreenWidth, Setting::PTWinColor,  Setting::PTFontColor,
                         Setting::PTFontName,   Setting::PTFontSize,  Setting::PTFontStyle, Setting::PrefRad1,
                         Setting::PrefRad2,     Setting::PrefRad3,    Setting::QuoteTool};

// Everything the store holds among the preferences' values, with its type.
QMap<QString, QVariant> stored(const SettingsStore& store)
{
    QMap<QString, QVariant> values;
    for (const QString& name : kNames) {
        try {
            const int number = store.ReadSetting(name, INT_MIN);
            if (number != INT_MIN) {
                values.insert(name, number);
            }
        } catch (const TessarinError&) {
            values.insert(name, store.ReadSetting(name, QString()));
        }
    }
    return values;
}

} // namespace

class AcnPrefFormTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_store;
    ScriptedUi m_ui;
    AcnProcs m_holder;
    int m_storeNumber = 0;

    template <class T> T* child(QObject& form, const char* name)
    {
        T* found = form.findChild<T*>(QString::fromUtf8(name));
        if (!found) {
            qFatal("no control %s", name);
        }
        return found;
    }
    void click(TAcnPrefForm& form, const char* name) { child<QAbstractButton>(form, name)->click(); }
    QTextEdit* sample(TAcnPrefForm& form) { return child<QTextEdit>(form, "RichEdit1"); }
    std::unique_ptr<TAcnPrefForm> open()
    {
        return std::make_unique<TAcnPrefForm>(m_holder, *m_store, m_ui.services(), QSize(1024, 700));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
    }

    void init()
    {
        m_store = std::make_unique<SettingsStore>(m_dir.filePath(QStringLiteral("store%1.conf").arg(++m_storeNumber)));
        m_ui.dialogs.shown.clear();
        m_ui.dialogs.fileAnswers.clear();
        m_ui.dialogs.fontAnswers.clear();
        m_ui.dialogs.colourAnswers.clear();
        m_holder = AcnProcs();
    }

    void firstOpeningShowsTheReadingDefaults()
    {
        m_holder.PrefsChanged = true; // cleared when the dialog is created
        auto form = open();
        QVERIFY(!m_holder.PrefsChanged);
        QCOMPARE(form->windowTitle(), QStringLiteral("Tessarin 5 Preferences"));
        QVERIFY(child<QRadioButton>(*form, "PrefGroup1Item0")->isChecked());
        QVERIFY(child<QRadioButton>(*form, "PrefGroup2Item0")->isChecked());
        for (const char* rail : {"PrefGroup3Item0", "PrefGroup3Item1", "PrefGroup3Item2"}) {
            QVERIFY(!child<QRadioButton>(*form, rail)->isChecked());
        }
        QCOMPARE(child<QLineEdit>(*form, "QuoToolEd")->text(), QString());
        QVERIFY(!child<QCheckBox>(*form, "USizeChk")->isChecked());
        QCOMPARE(sample(*form)->palette().color(QPalette::Base), ToQColor(NamedColor::clWindow));
        QCOMPARE(sample(*form)->palette().color(QPalette::Text), QColor(Qt::black));
        QCOMPARE(sample(*form)->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(sample(*form)->font().pointSize(), 10);
        QVERIFY(sample(*form)->isReadOnly());
        QVERIFY(sample(*form)->toPlainText().startsWith(QStringLiteral("Use Set Font to choose")));
        QVERIFY(m_ui.dialogs.shown.isEmpty());
        QVERIFY(stored(*m_store).isEmpty());
    }

    void saveAtOnceStoresOnlyPrefRad3AndRaisesTheFlag()
    {
        auto form = open();
        click(*form, "SaveBtn");
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QVERIFY(m_holder.PrefsChanged);
        QCOMPARE(stored(*m_store), (QMap<QString, QVariant>{{Setting::PrefRad3, -1}}));
    }

    void savingUnchangedValuesWritesNothingNewButStillRaisesTheFlag()
    {
        m_store->WriteSetting(Setting::PrefRad3, 1);
        m_store->WriteSetting(Setting::PTWinColor, QStringLiteral("$00E2FAE9"));
        const auto before = stored(*m_store);
        auto form = open();
        click(*form, "SaveBtn");
        QVERIFY(m_holder.PrefsChanged);
        QCOMPARE(stored(*m_store), before);
    }

    void defaultsThenSaveStoresWhite()
    {
        m_store->WriteSetting(Setting::PrefRad1, 1);
        m_store->WriteSetting(Setting::QuoteTool, QStringLiteral("/usr/bin/quotes"));
        m_store->WriteSetting(Setting::PTFontName, QStringLiteral("Courier"));
        const auto before = stored(*m_store);
        auto form = open();
        click(*form, "DefaultsBtn");
        QVERIFY(child<QRadioButton>(*form, "PrefGroup3Item0")->isChecked());
        QCOMPARE(sample(*form)->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(stored(*m_store), before); // nothing stored before Save
        click(*form, "SaveBtn");
        const auto values = stored(*m_store);
        QCOMPARE(values.value(Setting::PTWinColor), QVariant(QStringLiteral("clWhite")));
        QCOMPARE(values.value(Setting::PrefRad1), QVariant(0));
        QCOMPARE(values.value(Setting::QuoteTool), QVariant(QString()));
        QCOMPARE(values.value(Setting::PTFontName), QVariant(QStringLiteral("Tahoma")));
        QVERIFY(!values.contains(Setting::PrefRad3));
        QVERIFY(!values.contains(Setting::PTFontColor));
    }

    void cancelAndEscapeStoreNothing_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Cancel") << false;
        QTest::newRow("Escape") << true;
    }

    void cancelAndEscapeStoreNothing()
    {
        QFETCH(bool, escape);
        auto form = open();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        child<QRadioButton>(*form, "PrefGroup1Item1")->click();
        child<QLineEdit>(*form, "QuoToolEd")->setText(QStringLiteral("tool"));
        click(*form, "DefaultsBtn");
        if (escape) {
            QTest::keyClick(form.get(), Qt::Key_Escape);
        } else {
            click(*form, "CancelBtn");
        }
        QCOMPARE(form->result(), int(QDialog::Rejected));
        QVERIFY(!m_holder.PrefsChanged);
        QVERIFY(stored(*m_store).isEmpty());
    }

    void saveHasTheFocusWhenOpened()
    {
        auto form = open();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QTRY_COMPARE(form->focusWidget(), child<QWidget>(*form, "SaveBtn"));
        QTest::mouseClick(sample(*form)->viewport(), Qt::LeftButton);
        QCOMPARE(form->focusWidget(), child<QWidget>(*form, "SaveBtn"));
        form->reject();
    }

    void storedValuesAreShownAndSavedBack()
    {
        m_store->WriteSetting(Setting::PrefRad1, 1);
        m_store->WriteSetting(Setting::PrefRad2, 1);
        m_store->WriteSetting(Setting::PrefRad3, 2);
        m_store->WriteSetting(Setting::QuoteTool, QStringLiteral("https://quotes.example"));
        m_store->WriteSetting(Setting::PTWinColor, QStringLiteral("$00F0EEFD"));
        m_store->WriteSetting(Setting::PTFontColor, QStringLiteral("clRed"));
        m_store->WriteSetting(Setting::PTFontName, QStringLiteral("Courier"));
        m_store->WriteSetting(Setting::PTFontSize, 14);
        m_store->WriteSetting(Setting::PTFontStyle, 1 | 8);
        const auto before = stored(*m_store);
        auto form = open();
        QVERIFY(child<QRadioButton>(*form, "PrefGroup1Item1")->isChecked());
        QVERIFY(child<QRadioButton>(*form, "PrefGroup2Item1")->isChecked());
        QVERIFY(child<QRadioButton>(*form, "PrefGroup3Item2")->isChecked());
        QCOMPARE(child<QLineEdit>(*form, "QuoToolEd")->text(), QStringLiteral("https://quotes.example"));
        QCOMPARE(sample(*form)->palette().color(QPalette::Base), QColor(253, 238, 240));
        QCOMPARE(sample(*form)->palette().color(QPalette::Text), QColor(255, 0, 0));
        const QFont font = sample(*form)->font();
        QCOMPARE(font.family(), QStringLiteral("Courier"));
        QCOMPARE(font.pointSize(), 14);
        QVERIFY(font.bold() && font.strikeOut() && !font.italic() && !font.underline());
        click(*form, "SaveBtn");
        QCOMPARE(stored(*m_store), before);
    }

    void rememberCurrentSizeWritesTheMainWindowSize_data()
    {
        QTest::addColumn<bool>("remember");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("width");
        QTest::newRow("checked") << true << 700 << 1024;
        QTest::newRow("unchecked keeps the earlier size") << false << 480 << 640;
    }

    void rememberCurrentSizeWritesTheMainWindowSize()
    {
        QFETCH(bool, remember);
        QFETCH(int, height);
        QFETCH(int, width);
        m_store->WriteSetting(Setting::ScreenHeight, 480);
        m_store->WriteSetting(Setting::ScreenWidth, 640);
        auto form = open();
        child<QCheckBox>(*form, "USizeChk")->setChecked(remember);
        click(*form, "SaveBtn");
        QCOMPARE(m_store->ReadSetting(Setting::ScreenHeight, 0), height);
        QCOMPARE(m_store->ReadSetting(Setting::ScreenWidth, 0), width);
    }

    void swatchesOutlineOnHoverAndPickTheBackground_data()
    {
        QTest::addColumn<QString>("swatch");
        QTest::addColumn<QString>("storedAs");
        QTest::newRow("Shape1") << QStringLiteral("Shape1") << QStringLiteral("$00FEFEEC");
        QTest::newRow("Shape2") << QStringLiteral("Shape2") << QStringLiteral("$00E2FAE9");
        QTest::newRow("Shape3") << QStringLiteral("Shape3") << QStringLiteral("$00E7FEFD");
        QTest::newRow("Shape4") << QStringLiteral("Shape4") << QStringLiteral("$00F0EEFD");
        QTest::newRow("Shape5") << QStringLiteral("Shape5") << QStringLiteral("$00F5F5F5");
        QTest::newRow("Shape6 after white") << QStringLiteral("Shape6") << QStringLiteral("clWindow");
    }

    void swatchesOutlineOnHoverAndPickTheBackground()
    {
        QFETCH(QString, swatch);
        QFETCH(QString, storedAs);
        m_store->WriteSetting(Setting::PTWinColor, QStringLiteral("clWhite"));
        auto form = open();
        auto* shape = form->findChild<AcnPrefSwatch*>(swatch);
        QVERIFY(shape);
        const QColor shadow = ToQColor(NamedColor::cl3DDkShadow, shape->palette());
        QCOMPARE(shape->OutlineColor(), shadow);
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(shape, &enter);
        QCOMPARE(shape->OutlineColor(), QColor(0, 255, 255));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(shape, &leave);
        QCOMPARE(shape->OutlineColor(), shadow);

        QTest::mouseRelease(shape, Qt::RightButton, Qt::NoModifier, QPoint(60, 5)); // outside: nothing
        QCOMPARE(sample(*form)->palette().color(QPalette::Base), QColor(Qt::white));
        QTest::mouseRelease(shape, Qt::RightButton, Qt::NoModifier, QPoint(20, 12));
        QCOMPARE(sample(*form)->palette().color(QPalette::Base), ToQColor(shape->Color()));
        child<QTabWidget>(*form, "PageControl1")->setCurrentIndex(1);
        form->show();
        QCOMPARE(sample(*form)->grab().toImage().pixelColor(sample(*form)->width() - 6, sample(*form)->height() - 6),
                 ToQColor(shape->Color())); // the colour is painted, not only set
        click(*form, "SaveBtn");
        QCOMPARE(m_store->ReadSetting(Setting::PTWinColor, QString()), storedAs);
    }

    void aSwatchIsReachedAndPickedFromTheKeyboard()
    {
        m_store->WriteSetting(Setting::PTWinColor, QStringLiteral("clWhite"));
        auto form = open();
        auto* shape = form->findChild<AcnPrefSwatch*>(QStringLiteral("Shape4"));
        QVERIFY(shape->focusPolicy() & Qt::TabFocus);
        QTest::keyClick(shape, Qt::Key_Space);
        QCOMPARE(sample(*form)->palette().color(QPalette::Base), ToQColor(shape->Color()));
    }

    void setFontTakesTheChosenFontAndKeepsItOnCancel()
    {
        QFont chosen(QStringLiteral("DejaVu Serif"));
        chosen.setPointSize(16);
        chosen.setItalic(true);
        chosen.setUnderline(true);
        m_ui.dialogs.fontAnswers.push_back(chosen);
        m_ui.dialogs.fontAnswers.push_back(std::nullopt);
        m_ui.dialogs.colourAnswers = {QColor(0, 0, 128), std::nullopt};
        auto form = open();
        click(*form, "FontColorBtn");
        click(*form, "FontColorBtn"); // cancelled
        QCOMPARE(sample(*form)->palette().color(QPalette::Text), QColor(0, 0, 128));
        click(*form, "FontBtn");
        click(*form, "FontBtn"); // cancelled: nothing changes
        QCOMPARE(sample(*form)->font().family(), QStringLiteral("DejaVu Serif"));
        click(*form, "SaveBtn");
        const auto values = stored(*m_store);
        QCOMPARE(values.value(Setting::PTFontName), QVariant(QStringLiteral("DejaVu Serif")));
        QCOMPARE(values.value(Setting::PTFontSize), QVariant(16));
        QCOMPARE(values.value(Setting::PTFontStyle), QVariant(2 | 4));
        QCOMPARE(values.value(Setting::PTFontColor), QVariant(QStringLiteral("clNavy")));
    }

    void browseReplacesTheQuotationTool()
    {
        m_ui.dialogs.fileAnswers.push_back(QStringLiteral("/opt/quotes/quotebook"));
        m_ui.dialogs.fileAnswers.push_back(QString());
        auto form = open();
        click(*form, "BrowseBtn");
        click(*form, "BrowseBtn"); // cancelled: the text stays
        QCOMPARE(m_ui.dialogs.texts(QStringLiteral("open")).value(0), QStringLiteral("Link Quotation Source"));
        QVERIFY(m_ui.dialogs.shown[0].request.filter.startsWith(QStringLiteral("Reference Application (")));
        QCOMPARE(child<QLineEdit>(*form, "QuoToolEd")->text(), QStringLiteral("/opt/quotes/quotebook"));
    }

    void unreadableStoredValuesAreReportedAndRepairedBySave_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("bad");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QVariant>("repaired");
        QTest::newRow("colour text no colour")
            << Setting::PTWinColor << QVariant(QStringLiteral("pinkish"))
            << QStringLiteral("'pinkish' is not a valid integer value") << QVariant(QStringLiteral("clWindow"));
        QTest::newRow("font colour as integer")
            << Setting::PTFontColor << QVariant(255) << QStringLiteral("Invalid data type for 'PTFontColor'")
            << QVariant(QStringLiteral("clBlack"));
        QTest::newRow("option as text") << Setting::PrefRad1 << QVariant(QStringLiteral("1"))
                                        << QStringLiteral("Invalid data type for 'PrefRad1'") << QVariant(0);
    }

    void unreadableStoredValuesAreReportedAndRepairedBySave()
    {
        QFETCH(QString, name);
        QFETCH(QVariant, bad);
        QFETCH(QString, message);
        QFETCH(QVariant, repaired);
        if (bad.typeId() == QMetaType::Int) {
            m_store->WriteSetting(name, bad.toInt());
        } else {
            m_store->WriteSetting(name, bad.toString());
        }
        auto form = open();
        QCOMPARE(m_ui.dialogs.texts(QStringLiteral("error")), QStringList{message});
        QCOMPARE(sample(*form)->palette().color(QPalette::Base), ToQColor(NamedColor::clWindow));
        click(*form, "SaveBtn");
        QCOMPARE(stored(*m_store).value(name), repaired);
    }

    void refusedWriteIsReportedAndTheDialogStaysOpen()
    {
        m_store = std::make_unique<SettingsStore>(QStringLiteral("/proc/tessarin-no-such/store.conf"));
        auto form = open();
        click(*form, "SaveBtn");
        QCOMPARE(m_ui.dialogs.texts(QStringLiteral("error")),
                 QStringList{QStringLiteral("Failed to set data for 'PrefRad3'")});
        QCOMPARE(form->result(), 0);
        QVERIFY(m_holder.PrefsChanged);
    }

    // The store takes the values one by one; when it fills up part-way, Save says which value failed and stays
    // open: the store holds the values before that one, no value shows as stored that never reached the file, and
    // the raised flag lets the main window apply what did. A second Save completes the store.
    void aStoreFullPartWayThroughSaveIsReportedAndASecondSaveCompletesIt()
    {
        auto form = open();
        click(*form, "DefaultsBtn"); // a white background
        click(*form, "PrefGroup1Item1");
        click(*form, "PrefGroup2Item1");
        click(*form, "PrefGroup3Item1");
        const QString tool = QStringLiteral("/opt/") + QString(400, u'q'); // longer than the limit below
        child<QLineEdit>(*form, "QuoToolEd")->setText(tool);
        {
            // Room for the store's lock file (some 100 bytes) and the three options (11 bytes each), not the tool.
            const FileSizeLimit limit(256);
            click(*form, "SaveBtn");
        }
        QCOMPARE(m_ui.dialogs.texts(QStringLiteral("error")),
                 QStringList{QStringLiteral("Failed to set data for 'QuoteTool'")});
        QCOMPARE(form->result(), 0);
        QVERIFY(m_holder.PrefsChanged);
        QCOMPARE(stored(*m_store),
                 (QMap<QString, QVariant>{{Setting::PrefRad1, 1}, {Setting::PrefRad2, 1}, {Setting::PrefRad3, 1}}));
        click(*form, "SaveBtn");
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QCOMPARE(stored(*m_store), (QMap<QString, QVariant>{{Setting::PrefRad1, 1},
                                                            {Setting::PrefRad2, 1},
                                                            {Setting::PrefRad3, 1},
                                                            {Setting::QuoteTool, tool},
                                                            {Setting::PTWinColor, QStringLiteral("clWhite")}}));
    }

    void theMainWindowReadsBackTheSavedLook()
    {
        QFont chosen(QStringLiteral("DejaVu Sans Mono"));
        chosen.setPointSize(12);
        chosen.setBold(true);
        m_ui.dialogs.fontAnswers.push_back(chosen);
        auto form = open();
        click(*form, "FontBtn");
        QTest::mouseRelease(form->findChild<AcnPrefSwatch*>(QStringLiteral("Shape3")), Qt::LeftButton);
        click(*form, "SaveBtn");
        const PlaintextLook look = ReadPlaintextLook(*m_store);
        QCOMPARE(look.background, QColor(253, 254, 231));
        QCOMPARE(look.textColor, QColor(Qt::black));
        QCOMPARE(look.font.family(), QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(look.font.pointSize(), 12);
        QVERIFY(look.font.bold());
    }

    void preferredOptionItemsMapMissingAndInvalidToTheFirstItem_data()
    {
        QTest::addColumn<QVariantList>("values"); // PrefRad1..3, an invalid QVariant for nothing stored
        QTest::addColumn<QList<int>>("items");
        QTest::newRow("nothing stored") << QVariantList{QVariant(), QVariant(), QVariant()} << QList<int>{0, 0, 0};
        QTest::newRow("all stored") << QVariantList{1, 1, 2} << QList<int>{1, 1, 2};
        QTest::newRow("no rail count") << QVariantList{0, 1, -1} << QList<int>{0, 1, 0};
        QTest::newRow("out of range") << QVariantList{2, -3, 3} << QList<int>{0, 0, 0};
        QTest::newRow("text stored") << QVariantList{QStringLiteral("1"), 1, 1} << QList<int>{0, 1, 1};
    }

    void preferredOptionItemsMapMissingAndInvalidToTheFirstItem()
    {
        QFETCH(QVariantList, values);
        QFETCH(QList<int>, items);
        const QString names[] = {Setting::PrefRad1, Setting::PrefRad2, Setting::PrefRad3};
        for (int i = 0; i < 3; ++i) {
            if (values[i].typeId() == QMetaType::Int) {
                m_store->WriteSetting(names[i], values[i].toInt());
            } else if (values[i].isValid()) {
                m_store->WriteSetting(names[i], values[i].toString());
            }
        }
        const PreferredOptions preferred = PreferredOptionItems(*m_store);
        QCOMPARE((QList<int>{preferred.similarUnique, preferred.randomOffset, preferred.rails}), items);
    }

    void styleBitsRoundTripThroughFonts()
    {
        for (int bits = 0; bits < 16; ++bits) {
            QCOMPARE(PrefStyleBitsOf(PrefFontOf(QStringLiteral("Tahoma"), 10, bits)), bits);
        }
        QCOMPARE(PrefFontOf(QStringLiteral("Tahoma"), 0, 0).pointSize(), 10);
    }
};

QTEST_MAIN(AcnPrefFormTest)
#include "AcnPrefFormTest.moc"
