#pragma once

#include <QDialog>
#include <QString>

/// "Cryptogram puzzles for " and the platform the program was built for.
QString ProductLine();
/// "Version 5.1  (Build 5.1.0)" for the project version "5.1.0": major and minor, then the whole version.
QString VersionLine(const QString& projectVersion);

/// The about box: the logo and the product name, the product line, the version line and
/// an OK button that closes it.
class TAcnAboutForm : public QDialog
{
    Q_OBJECT
public:
    explicit TAcnAboutForm(QWidget* parent = nullptr);
};
