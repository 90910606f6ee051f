// Pinyin syllables as the name check compares them: tone-marked text (zēng, lǜ) read into
// its letters (ü as v) and tone, numbered forms (zeng1) and packed codes for fast matching.
#pragma once

#include <QString>
#include <QStringList>

namespace qiming::numerology {

struct Syllable {
    QString letters; // lower case, ü as v: "zeng", "lv"
    int tone = 0;    // 1-4, 5 for the neutral tone, 0 for no syllable
    bool isValid() const { return tone != 0; }
};

// One tone-marked syllable; an empty or unreadable text gives an invalid syllable.
Syllable parseMarkedSyllable(const QString &marked);
// One numbered syllable ("zeng1", "lv4", "ma5"); anything else is invalid.
Syllable parseNumberedSyllable(const QString &numbered);
// "zeng1"
QString numberedText(const Syllable &s);
// The tone-marked form of letters and tone: the mark on a or e, else the o of ou, else the
// last vowel (ü is written as ü).
QString markedText(const Syllable &s);

// The initial (zh ch sh b p m f d t n l g k h j q x r z c s y w) and the rest.
QString initialOf(const QString &letters);
QString finalOf(const QString &letters);

// Letters and tone packed into one number: equal codes are equal syllables, and clearing the
// low three bits (tonelessCode) forgets the tone. 0 for an invalid syllable.
quint64 syllableCode(const Syllable &s);
constexpr quint64 tonelessCode(quint64 code)
{
    return code & ~quint64(7);
}
// The code of a tone-marked syllable.
quint64 markedSyllableCode(const QString &marked);

// "yù chí" -> {"yù", "chí"}
QStringList splitSyllables(const QString &text);

} // namespace qiming::numerology
