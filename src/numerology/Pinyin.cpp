#include "numerology/Pinyin.h"

namespace qiming::numerology {

namespace {

int toneOfMark(char16_t mark)
{
    switch (mark) {
    case 0x0304: return 1; // macron
    case 0x0301: return 2; // acute
    case 0x030C: return 3; // caron
    case 0x0300: return 4; // grave
    default: return 0;
    }
}

bool isPinyinLetter(QChar c)
{
    return c >= QLatin1Char('a') && c <= QLatin1Char('z');
}

} // namespace

Syllable parseMarkedSyllable(const QString &marked)
{
    const QString decomposed = marked.trimmed().toLower().normalized(QString::NormalizationForm_D);
    Syllable s;
    int tone = 5;
    for (const QChar c : decomposed) {
        if (isPinyinLetter(c)) {
            s.letters += c;
        } else if (c.unicode() == 0x0308) { // diaeresis: ü
            if (s.letters.endsWith(QLatin1Char('u')))
                s.letters[s.letters.size() - 1] = QLatin1Char('v');
        } else if (const int t = toneOfMark(c.unicode())) {
            tone = t;
        } else {
            return {};
        }
    }
    if (s.letters.isEmpty() || s.letters.size() > 6)
        return {};
    s.tone = tone;
    return s;
}

Syllable parseNumberedSyllable(const QString &numbered)
{
    if (numbered.size() < 2 || numbered.size() > 7)
        return {};
    const QChar last = numbered.back();
    if (last < QLatin1Char('1') || last > QLatin1Char('5'))
        return {};
    Syllable s;
    s.letters = numbered.left(numbered.size() - 1);
    for (const QChar c : s.letters)
        if (!isPinyinLetter(c))
            return {};
    s.tone = last.digitValue();
    return s;
}

QString numberedText(const Syllable &s)
{
    return s.isValid() ? s.letters + QString::number(s.tone) : QString();
}

QString markedText(const Syllable &s)
{
    if (!s.isValid())
        return {};
    QString base = s.letters;
    base.replace(QLatin1Char('v'), QChar(0x00FC));
    if (s.tone == 5)
        return base;
    qsizetype at = base.indexOf(QLatin1Char('a'));
    if (at < 0)
        at = base.indexOf(QLatin1Char('e'));
    if (at < 0)
        at = base.indexOf(QLatin1String("ou"));
    if (at < 0) {
        for (qsizetype i = base.size() - 1; i >= 0; --i) {
            if (QStringLiteral("iouü").contains(base.at(i))) {
                at = i;
                break;
            }
        }
    }
    if (at < 0)
        return base;
    static const char16_t marks[] = {0x0304, 0x0301, 0x030C, 0x0300};
    base.insert(at + 1, QChar(marks[s.tone - 1]));
    return base.normalized(QString::NormalizationForm_C);
}

QString initialOf(const QString &letters)
{
    for (const char *two : {"zh", "ch", "sh"})
        if (letters.startsWith(QLatin1String(two)))
            return letters.left(2);
    if (!letters.isEmpty() && QStringLiteral("bpmfdtnlgkhjqxrzcsyw").contains(letters.at(0)))
        return letters.left(1);
    return {};
}

QString finalOf(const QString &letters)
{
    return letters.mid(initialOf(letters).size());
}

quint64 syllableCode(const Syllable &s)
{
    if (!s.isValid())
        return 0;
    quint64 packed = 0;
    for (const QChar c : s.letters)
        packed = packed * 27 + quint64(c.unicode() - u'a' + 1);
    return packed << 3 | quint64(s.tone);
}

quint64 markedSyllableCode(const QString &marked)
{
    return syllableCode(parseMarkedSyllable(marked));
}

QStringList splitSyllables(const QString &text)
{
    return text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace qiming::numerology
