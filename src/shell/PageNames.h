// The main window's pages and windows by their form names: the keys of the toolbar, the home
// page and the tests, and the objectNames the pages and windows carry. Spelt here only.
#pragma once

#include <QString>

namespace qiming::shell::names {

// Pages
inline const QString kHome = QStringLiteral("TabSheet11");
inline const QString kClassic = QStringLiteral("TabSheet6");
inline const QString kHighScore = QStringLiteral("TabSheet1");
inline const QString kCustom = QStringLiteral("TabSheet3");
inline const QString kPoemChooser = QStringLiteral("TabSheet4");
inline const QString kPoemPicker = QStringLiteral("TabSheet5");
inline const QString kEnglishNames = QStringLiteral("TabSheet2");
inline const QString kNicknames = QStringLiteral("TabSheet10");
inline const QString kNameScoring = QStringLiteral("TabSheet12");
inline const QString kBirthChart = QStringLiteral("TabSheet13");

// Windows
inline const QString kSettings = QStringLiteral("TForm7");
inline const QString kFavourites = QStringLiteral("TForm8");
inline const QString kDictionary = QStringLiteral("TForm9");
inline const QString kFunTools = QStringLiteral("TForm13");
inline const QString kConditionFilter = QStringLiteral("TForm4");
inline const QString kSuperFilter = QStringLiteral("TForm6");
inline const QString kManualNaming = QStringLiteral("TForm16");
inline const QString kAbout = QStringLiteral("aboutWindow");

} // namespace qiming::shell::names
