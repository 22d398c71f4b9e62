#pragma once

#include <QString>

// The names of the maker's settings and the defaults their readers pass, in one place.
namespace Setting {
inline const QString ScreenHeight = QStringLiteral("ScreenHeight");
inline const QString ScreenWidth = QStringLiteral("ScreenWidth");
inline const QString PTWinColor = QStringLiteral("PTWinColor");
inline const QString PTFontColor = QStringLiteral("PTFontColor");
inline const QString PTFontName = QStringLiteral("PTFontName");
inline const QString PTFontSize = QStringLiteral("PTFontSize");
inline const QString PTFontStyle = QStringLiteral("PTFontStyle");
inline const QString PrefRad1 = QStringLiteral("PrefRad1");
inline const QString PrefRad2 = QStringLiteral("PrefRad2");
inline const QString PrefRad3 = QStringLiteral("PrefRad3");
inline const QString QuoteTool = QStringLiteral("QuoteTool");
inline const QString LastPuzzle = QStringLiteral("LastPuzzle");
inline const QString History1 = QStringLiteral("History1");
inline const QString History2 = QStringLiteral("History2");
inline const QString History3 = QStringLiteral("History3");
inline const QString PrintFontName = QStringLiteral("PrintFontName");
inline const QString PrintFontSize = QStringLiteral("PrintFontSize");
inline const QString PrintFontColor = QStringLiteral("PrintFontColor");
inline const QString PrintFontStyle = QStringLiteral("PrintFontStyle");
} // namespace Setting

namespace SettingDefault {
inline constexpr int ScreenHeight = 600;
inline constexpr int ScreenWidth = 800;
inline const QString PTWinColor = QStringLiteral("clWindow");
inline const QString PTFontColor = QStringLiteral("clBlack");
inline const QString PTFontName = QStringLiteral("Tahoma");
inline constexpr int PTFontSize = 10;
inline constexpr int PTFontStyle = 0;
inline constexpr int PrefRad1 = 0;
inline constexpr int PrefRad2 = 0;
inline constexpr int PrefRad3Shown = -1;   ///< what the preferences dialog shows when nothing is stored
inline constexpr int PrefRad3Compared = 0; ///< what its Save compares a choice with
/// The maker's web site, opened by Quotations when no tool is set.
inline const QString QuoteTool = QStringLiteral("https://tessarin.example.org/quotations");
inline const QString PrintFontName = QStringLiteral("Verdana");
inline constexpr int PrintFontSize = 12;
inline const QString PrintFontColor = QStringLiteral("clBlack");
inline constexpr int PrintFontStyle = 0;
} // namespace SettingDefault
