#include "numerology/NameCheck.h"

#include "data/Database.h"
#include "data/RowSet.h"
#include "data/SharedDatabase.h"
#include "numerology/CharacterTables.h"
#include "numerology/Homophones.h"
#include "numerology/Pinyin.h"
#include "numerology/SharedNumerology.h"

#include <QHash>

#include <algorithm>
#include <array>

namespace qiming::numerology {

namespace {

constexpr int kManyStrokes = 20;

CharacterUsage usageOf(data::Database &db, bool withTable, CharacterTables &chars, const QString &ch)
{
    CharacterUsage u;
    u.zi = ch;
    u.simplifiedStrokes = chars.lookupHanzi(ch).simplifiedStrokes.toInt();
    if (!withTable)
        return u;
    const data::RowSet row = data::RowSet::load(
        db, QStringLiteral("select 级别, 部首, 读音, 规范字, 异形 from 用字 where zi=?"), {ch});
    if (row.isEmpty())
        return u;
    u.known = true;
    u.level = row.value(0, 0).toInt();
    u.radical = row.value(0, 1);
    u.readings = splitSyllables(row.value(0, 2));
    u.standard = row.value(0, 3);
    u.variantKind = row.value(0, 4);
    return u;
}

QString toneName(int tone)
{
    static const char16_t *const names[] = {u"第一声", u"第二声", u"第三声", u"第四声", u"轻声"};
    return tone >= 1 && tone <= 5 ? QString::fromUtf16(names[tone - 1]) : QString();
}

QString quoted(const QString &text)
{
    return QStringLiteral("“") + text + QStringLiteral("”");
}

void checkUsage(const NameCheck &c, std::vector<NameFinding> &out)
{
    const int surnameLength = int(c.surname.size());
    for (int i = 0; i < int(c.characters.size()); ++i) {
        const CharacterUsage &u = c.characters[size_t(i)];
        const bool inSurname = i < surnameLength;
        if (!u.known)
            continue;
        if (!u.standard.isEmpty()) {
            const QString form = u.variantKind.isEmpty() ? QStringLiteral("非规范") : u.variantKind;
            if (inSurname)
                out.push_back({FindingLevel::Note, QStringLiteral("用字"),
                               QStringLiteral("姓氏%1是%2字，规范字作%3；姓氏以户口簿上的写法为准。")
                                   .arg(quoted(u.zi), form, quoted(u.standard))});
            else
                out.push_back({FindingLevel::Strong, QStringLiteral("用字"),
                               QStringLiteral("%1是%2字，规范字作%3；户籍登记用规范字，%1可能无法录入。")
                                   .arg(quoted(u.zi), form, quoted(u.standard))});
        } else if (u.level == 0) {
            if (inSurname)
                out.push_back({FindingLevel::Note, QStringLiteral("用字"),
                               QStringLiteral("姓氏用字%1不在《通用规范汉字表》内，以户口簿上的写法为准。").arg(quoted(u.zi))});
            else
                out.push_back({FindingLevel::Strong, QStringLiteral("用字"),
                               QStringLiteral("%1是规范表外字，不在《通用规范汉字表》的 8105 字内，户籍登记可能无法录入。")
                                   .arg(quoted(u.zi))});
        } else if (u.level == 3 && !inSurname) {
            out.push_back({FindingLevel::Note, QStringLiteral("用字"),
                           QStringLiteral("%1是三级字，可以登记，但较生僻，不少人不认识。").arg(quoted(u.zi))});
        }
    }
}

void checkHomophones(const NameCheck &c, const HomophoneTable &homophones, const std::vector<quint64> &codes,
                     std::vector<NameFinding> &out)
{
    const QString full = c.surname + c.given;
    const auto found = homophones.matches(codes.data(), int(codes.size()), int(c.surname.size()));
    // A match inside a longer one at least as close says nothing new (建仁 inside 夏建仁).
    const auto covered = [&found](const HomophoneTable::Match &m) {
        return std::any_of(found.begin(), found.end(), [&m](const HomophoneTable::Match &o) {
            return o.length > m.length && o.start <= m.start && o.start + o.length >= m.start + m.length
                && (o.exact || !m.exact);
        });
    };
    for (const HomophoneTable::Match &m : found) {
        if (covered(m))
            continue;
        const HomophoneEntry &e = homophones.entries()[size_t(m.entry)];
        const QString chars = full.mid(m.start, m.length);
        const QString sound = c.reading.mid(m.start, m.length).join(QLatin1Char(' '));
        QString text = m.exact ? QStringLiteral("%1（%2）与%3同音（%4）。")
                               : QStringLiteral("%1（%2）与%3音近，只是声调不同（%4）。");
        text = text.arg(quoted(chars), sound, quoted(e.sound), e.kind);
        if (!e.note.isEmpty())
            text += e.note;
        out.push_back({m.strong ? FindingLevel::Strong : FindingLevel::Note, QStringLiteral("谐音"), text});
    }
}

void checkReadings(const NameCheck &c, std::vector<NameFinding> &out)
{
    const int surnameLength = int(c.surname.size());
    for (int i = surnameLength; i < int(c.characters.size()); ++i) {
        const CharacterUsage &u = c.characters[size_t(i)];
        if (u.readings.size() < 2 || (i > surnameLength && u.zi == c.characters[size_t(i - 1)].zi))
            continue;
        out.push_back({FindingLevel::Note, QStringLiteral("多音"),
                       QStringLiteral("%1是多音字（%2），名字里读 %3，请确认家人和老师都会这样读。")
                           .arg(quoted(u.zi), u.readings.join(QStringLiteral("、")), c.reading.value(i))});
    }
}

void checkSound(const NameCheck &c, std::vector<NameFinding> &out)
{
    const QString full = c.surname + c.given;
    const int n = int(c.reading.size());
    const int surnameLength = int(c.surname.size());
    std::vector<Syllable> s;
    for (const QString &r : c.reading)
        s.push_back(parseMarkedSyllable(r));
    for (const Syllable &one : s)
        if (!one.isValid())
            return;
    if (n < 2)
        return;

    bool allSame = true;
    for (int i = 1; i < n; ++i)
        allSame = allSame && s[size_t(i)].letters == s[0].letters;
    if (allSame) {
        out.push_back({FindingLevel::Note, QStringLiteral("音律"),
                       QStringLiteral("%1每个字都读 %2，连读拗口，也容易被叫错。").arg(quoted(full), s[0].letters)});
    } else {
        for (int i = 0; i + 1 < n; ++i) {
            if (s[size_t(i)].letters != s[size_t(i + 1)].letters)
                continue;
            if (i >= surnameLength) {
                if (full.at(i) == full.at(i + 1)) // a 叠字 name means to repeat
                    continue;
                out.push_back({FindingLevel::Note, QStringLiteral("音律"),
                               QStringLiteral("名字%1两字同音（%2），听来像叠字，别人容易写错。")
                                   .arg(quoted(full.mid(i, 2)), s[size_t(i)].letters)});
            } else {
                out.push_back({FindingLevel::Note, QStringLiteral("音律"),
                               QStringLiteral("%1与%2读音相同（%3），连读重复。")
                                   .arg(quoted(full.mid(i, 1)), quoted(full.mid(i + 1, 1)), s[size_t(i)].letters)});
            }
        }
        if (n >= 3) {
            bool sameInitial = !initialOf(s[0].letters).isEmpty();
            bool sameFinal = true;
            for (int i = 1; i < n; ++i) {
                sameInitial = sameInitial && initialOf(s[size_t(i)].letters) == initialOf(s[0].letters);
                sameFinal = sameFinal && finalOf(s[size_t(i)].letters) == finalOf(s[0].letters);
            }
            if (sameInitial)
                out.push_back({FindingLevel::Note, QStringLiteral("音律"),
                               QStringLiteral("%1各字声母都是 %2，连读拗口。").arg(quoted(full), initialOf(s[0].letters))});
            if (sameFinal)
                out.push_back({FindingLevel::Note, QStringLiteral("音律"),
                               QStringLiteral("%1各字韵母都是 %2，连读拗口。").arg(quoted(full), finalOf(s[0].letters))});
        }
    }
    for (int i = 0; i + 2 < n; ++i) {
        const int tone = s[size_t(i)].tone;
        if (tone == s[size_t(i + 1)].tone && tone == s[size_t(i + 2)].tone) {
            out.push_back({FindingLevel::Note, QStringLiteral("音律"),
                           QStringLiteral("%1三个字都读%2，声调没有起伏。").arg(quoted(full.mid(i, 3)), toneName(tone))});
            break;
        }
    }
}

void checkShape(const NameCheck &c, std::vector<NameFinding> &out)
{
    const QString full = c.surname + c.given;
    QHash<QString, QString> byRadical;
    for (const CharacterUsage &u : c.characters)
        if (!u.radical.isEmpty())
            byRadical[u.radical] += u.zi;
    for (int i = 0; i < int(c.characters.size()); ++i) {
        const CharacterUsage &u = c.characters[size_t(i)];
        const QString chars = byRadical.value(u.radical);
        if (!u.radical.isEmpty() && chars.size() >= 3 && chars.startsWith(u.zi)) {
            const QString count = chars.size() == 3 ? QStringLiteral("三") : QStringLiteral("四");
            out.push_back({FindingLevel::Note, QStringLiteral("字形"),
                           QStringLiteral("%1%2个字都是%3部，字形单调。").arg(quoted(chars), count, u.radical)});
            byRadical.remove(u.radical);
        }
    }
    for (int i = int(c.surname.size()); i < int(c.characters.size()); ++i) {
        const CharacterUsage &u = c.characters[size_t(i)];
        if (u.simplifiedStrokes > kManyStrokes)
            out.push_back({FindingLevel::Note, QStringLiteral("字形"),
                           QStringLiteral("%1有 %2 画，书写较繁，孩子学写名字会吃力。").arg(quoted(u.zi)).arg(u.simplifiedStrokes)});
    }
}

std::vector<quint64> codesOf(const QStringList &reading)
{
    std::vector<quint64> codes;
    for (const QString &r : reading)
        codes.push_back(markedSyllableCode(r));
    return codes;
}

} // namespace

QString levelText(FindingLevel level)
{
    return level == FindingLevel::Strong ? QStringLiteral("强") : QStringLiteral("提示");
}

QString usageLevelWords(int level)
{
    switch (level) {
    case 1: return QStringLiteral("常用字");
    case 2: return QStringLiteral("次常用字");
    case 3: return QStringLiteral("三级字");
    default: return QStringLiteral("规范表外");
    }
}

bool NameCheck::hasStrong() const
{
    return std::any_of(findings.begin(), findings.end(),
                       [](const NameFinding &f) { return f.level == FindingLevel::Strong; });
}

NameCheck checkName(data::Database &db, CharacterTables &chars, const HomophoneTable &homophones,
                    const QString &surname, const QString &given)
{
    NameCheck c;
    c.surname = surname;
    c.given = given;
    c.reading = chars.surnameReading(surname) + chars.givenReading(given);
    const bool withTable = db.hasTable(QStringLiteral("用字"));
    const QString full = surname + given;
    for (qsizetype i = 0; i < full.size(); ++i)
        c.characters.push_back(usageOf(db, withTable, chars, full.mid(i, 1)));

    checkUsage(c, c.findings);
    checkHomophones(c, homophones, codesOf(c.reading), c.findings);
    checkReadings(c, c.findings);
    checkSound(c, c.findings);
    checkShape(c, c.findings);
    std::stable_sort(c.findings.begin(), c.findings.end(), [](const NameFinding &a, const NameFinding &b) {
        return a.level == FindingLevel::Strong && b.level != FindingLevel::Strong;
    });
    return c;
}

NameCheck checkName(const QString &surname, const QString &given)
{
    return checkName(data::sharedDatabase(), sharedCharacterTables(), sharedHomophoneTable(), surname, given);
}

bool hasStrongHomophone(CharacterTables &chars, const HomophoneTable &homophones, const QString &surname,
                        const QString &given)
{
    const std::vector<quint64> codes = codesOf(chars.surnameReading(surname) + chars.givenReading(given));
    return homophones.hasStrong(codes.data(), int(codes.size()), int(surname.size()));
}

} // namespace qiming::numerology
