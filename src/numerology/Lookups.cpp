#include "numerology/Lookups.h"

#include "data/Database.h"
#include "data/RowSet.h"
#include "numerology/Pinyin.h"

#include <QRegularExpression>
#include <QStringList>

#include <sqlite3.h>

namespace qiming::numerology {

QString lookupCharacter(data::Database &db, const QString &ch)
{
    const data::RowSet row = data::RowSet::load(db, QStringLiteral("select * from 字典 where zi =?"), {ch});
    return row.field(QStringLiteral("jijie")) + row.field(QStringLiteral("xiangjie"));
}

CharacterMeaning characterMeaning(data::Database &db, const QString &ch)
{
    CharacterMeaning m;
    // A database built before the table existed: the meaning is simply unknown.
    if (!db.hasTable(QStringLiteral("字义")))
        return m;
    db.forEachRow(QStringLiteral("select 字义, 寓意, 出处, 词语 from 字义 where zi = ?"), {ch}, [&](sqlite3_stmt *st) {
        if (m.found)
            return;
        m.found = true;
        m.senses = data::Database::readText(st, 0);
        m.meaning = data::Database::readText(st, 1);
        m.source = data::Database::readText(st, 2);
        m.words = data::Database::readText(st, 3);
    });
    return m;
}

QString htmlToPlainText(const QString &html)
{
    QString text = html;
    static const QRegularExpression breaks(QStringLiteral("</(p|h[1-6]|li|tr|div)>|<br\\s*/?>|<hr\\s*/?>"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    static const QRegularExpression listItem(QStringLiteral("<li[^>]*>"), QRegularExpression::CaseInsensitiveOption);
    text.replace(breaks, QStringLiteral("\n"));
    text.replace(listItem, QStringLiteral("· "));
    text.remove(tags);
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&nbsp;"), QStringLiteral(" "))
        .replace(QStringLiteral("&#39;"), QStringLiteral("'"))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    QStringList lines;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    }
    return lines.join(QLatin1Char('\n'));
}

QString surnameOrigin(data::Database &db, const QString &surname)
{
    return db.scalar(QStringLiteral("select intro from 百家姓 where xing = ?"), {surname}).toString();
}

QString charactersReadAs(data::Database &db, const QString &typed)
{
    const QString text = typed.trimmed().toLower();
    // Letters alone (ü typed as ü or v) mean any tone; a digit or a tone mark names one.
    const QString letters = QString(text).replace(QChar(0xFC), QLatin1Char('v'));
    static const QRegularExpression plain(QStringLiteral("^[a-z]+$"));
    const bool anyTone = plain.match(letters).hasMatch();
    Syllable wanted = anyTone ? parseNumberedSyllable(letters + QStringLiteral("1")) : parseNumberedSyllable(letters);
    if (!wanted.isValid())
        wanted = parseMarkedSyllable(text);
    if (!wanted.isValid())
        return {};
    const quint64 code = syllableCode(wanted);
    // A written entry names the readings in use; the recorded ones add archaic readings
    // (县 xuán) that would only puzzle a parent. A file built before 字义 has only those.
    const QString sql = db.hasTable(QStringLiteral("字义")) ? QStringLiteral("select 用字.zi, 用字.级别, 用字.读音, 字义.字义 from 用字 left join 字义 on 字义.zi = 用字.zi"
                                                 " where 用字.级别 in ('1', '2') order by 用字.rowid")
                                : QStringLiteral("select zi, 级别, 读音, '' from 用字 where 级别 in ('1', '2') order by rowid");
    QStringList byLevel[2];
    db.forEachRow(sql, {}, [&](sqlite3_stmt *st) {
                      const QString zi = data::Database::readText(st, 0);
                      const int level = data::Database::readText(st, 1).toInt();
                      const QString senses = data::Database::readText(st, 3);
                      QStringList readings;
                      for (const QString &block : senses.split(QStringLiteral("｜"), Qt::SkipEmptyParts))
                          readings << block.section(QStringLiteral("："), 0, 0);
                      if (readings.isEmpty())
                          readings = data::Database::readText(st, 2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
                      for (const QString &reading : readings) {
                          const quint64 c = markedSyllableCode(reading);
                          if (c != 0 && (anyTone ? tonelessCode(c) == tonelessCode(code) : c == code)) {
                              byLevel[level - 1] << zi;
                              break;
                          }
                      }
                  });
    if (byLevel[0].isEmpty() && byLevel[1].isEmpty())
        return {};
    QString html = QStringLiteral("<h3>读作 %1 的字</h3>").arg((anyTone ? wanted.letters : markedText(wanted)).toHtmlEscaped());
    const char *titles[2] = {"一级字（常用字）", "二级字"};
    for (int l = 0; l < 2; ++l) {
        if (byLevel[l].isEmpty())
            continue;
        html += QStringLiteral("<p><b>%1</b>　共 %2 字</p><p style=\"font-size:22px;\">").arg(QString::fromUtf8(titles[l])).arg(byLevel[l].size());
        for (const QString &zi : byLevel[l])
            html += QStringLiteral("<a href=\"zi:%1\">%1</a>　").arg(zi);
        html += QStringLiteral("</p>");
    }
    return html;
}

QString linkCharacters(const QString &html, const QString &own)
{
    // Entries mark what may link (words, a traditional form) with <span class="links">; the
    // running Chinese text stays plain. A page without marks links every character.
    static const QString open = QStringLiteral("<span class=\"links\">");
    const bool marked = html.contains(open);
    bool linking = !marked;
    QString out;
    out.reserve(html.size() * 2);
    bool inTag = false;
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar c = html.at(i);
        if (c == QLatin1Char('<')) {
            inTag = true;
            if (marked && QStringView(html).mid(i).startsWith(open))
                linking = true;
            else if (marked && QStringView(html).mid(i).startsWith(QLatin1String("</span>")))
                linking = false;
        }
        if (linking && !inTag && c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF && QString(c) != own)
            out += QStringLiteral("<a href=\"zi:%1\">%1</a>").arg(c);
        else
            out += c;
        if (c == QLatin1Char('>'))
            inTag = false;
    }
    return out;
}

} // namespace qiming::numerology
