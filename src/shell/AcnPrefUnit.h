#pragma once

#include <QDialog>
#include <QSize>

#include "AcnPrefValues.h"
#include "AcnProcsUnit.h"
#include "UiServices.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTextEdit;
class SettingsStore;

/// "Tessarin 5 Preferences": preferred options, quotation tool, window size and the look of the text views.
/// Shows what the settings hold; Save writes what differs and sets holder.PrefsChanged; Cancel and Escape store
/// nothing.
class TAcnPrefForm : public QDialog
{
    Q_OBJECT
public:
    TAcnPrefForm(AcnProcs& holder, const SettingsStore& settings, UiServices ui, QSize mainWindowSize,
                 QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildGeneralPage();
    QWidget* buildViewPage();
    QWidget* buildButtonRow();
    QGroupBox* buildGroup(const QString& name, const QString& title, const QStringList& items, QButtonGroup*& group);
    void showValues(const AcnPrefValues& values);
    AcnPrefValues currentValues() const;
    void showSample();
    void FontBtnClick();
    void FontColorBtnClick();
    void BrowseBtnClick();
    void DefaultsBtnClick();
    void SaveBtnClick();

    AcnProcs& m_holder;
    const SettingsStore& m_settings;
    UiServices m_ui;
    QSize m_mainWindowSize;
    ColorValue m_background = NamedColor::clWindow;
    ColorValue m_fontColor = NamedColor::clBlack;
    QFont m_sampleFont;

    QTabWidget* m_pages = nullptr;
    QButtonGroup* m_group1 = nullptr;
    QButtonGroup* m_group2 = nullptr;
    QButtonGroup* m_group3 = nullptr;
    QLineEdit* m_quoteTool = nullptr;
    QCheckBox* m_sizeCheck = nullptr;
    QTextEdit* m_sample = nullptr;
    QPushButton* m_saveBtn = nullptr;
};
