#include "profile/BabyProfile.h"

#include "calendar/CivilCalendar.h"
#include "calendar/EDateException.h"
#include "data/DatabaseError.h"
#include "data/EditableRowSet.h"
#include "data/SharedDatabase.h"
#include "data/TextNumber.h"
#include "numerology/SharedNumerology.h"

#include <optional>

namespace qiming::profile {

namespace {

const QString kProfileQuery = QStringLiteral("select * from 初始信息");

struct Store {
    std::optional<data::EditableRowSet> row;
};

Store &store()
{
    static Store s;
    return s;
}

void openStoredRow()
{
    store().row = data::EditableRowSet::load(data::sharedDatabase(), QStringLiteral("初始信息"), kProfileQuery);
}

void copyStoredRow()
{
    const data::EditableRowSet &row = *store().row;
    if (row.isEmpty())
        return; // defaults stay in effect
    BabyProfile &p = liveProfile();
    p.surname = row.field(QStringLiteral("姓氏"));
    p.birthYear = row.field(QStringLiteral("年"));
    p.birthMonth = row.field(QStringLiteral("月"));
    p.birthDay = row.field(QStringLiteral("日"));
    p.birthHour = row.field(QStringLiteral("时"));
    p.birthMinute = row.field(QStringLiteral("分"));
    const QString gender = row.field(QStringLiteral("性别"));
    if (gender == QLatin1String("nan") || gender == QLatin1String("nv"))
        p.gender = gender;
}

} // namespace

BabyProfile &liveProfile()
{
    static BabyProfile profile;
    return profile;
}

void ensureProfileLoaded()
{
    if (store().row)
        return;
    openStoredRow();
    copyStoredRow();
}

void reloadProfile()
{
    store().row.reset();
    openStoredRow();
    copyStoredRow();
}

QString storedGender()
{
    return store().row ? store().row->field(QStringLiteral("性别")) : QString();
}

SaveResult saveProfile()
{
    const BabyProfile &p = liveProfile();
    const QString warning = QStringLiteral("警告");
    const QString info = QStringLiteral("提示");
    try {
        const int year = data::parseInteger(p.birthYear);
        const int month = data::parseInteger(p.birthMonth);
        const int day = data::parseInteger(p.birthDay);
        data::parseInteger(p.birthHour);
        try {
            calendar::checkDate(year, month, day);
        } catch (const calendar::EDateException &e) {
            return {SaveResult::Invalid, e.message(), warning};
        }
        if (!numerology::isAllInDictionary(p.surname))
            return {SaveResult::Invalid, QStringLiteral("姓氏输入不正确"), info};
        if (p.fixedCharEnabled && !numerology::isAllInDictionary(p.fixedChar))
            return {SaveResult::Invalid, QStringLiteral("指定字输入不正确"), info};

        ensureProfileLoaded();
        data::EditableRowSet &row = *store().row;
        if (row.isEmpty())
            row.append();
        else
            row.edit();
        row.setField(QStringLiteral("姓氏"), p.surname);
        if (!p.gender.isEmpty())
            row.setField(QStringLiteral("性别"), p.gender);
        row.setField(QStringLiteral("年"), p.birthYear);
        row.setField(QStringLiteral("月"), p.birthMonth);
        row.setField(QStringLiteral("日"), p.birthDay);
        row.setField(QStringLiteral("时"), p.birthHour);
        row.setField(QStringLiteral("分"), p.birthMinute);
        try {
            row.post(); // one statement: all of the row or none of it
        } catch (...) {
            row.cancel();
            throw;
        }
    } catch (const data::ConversionError &e) {
        return {SaveResult::Invalid, e.message(), warning};
    } catch (const data::DatabaseError &e) {
        return {SaveResult::Failed, e.message(), warning};
    }
    return {SaveResult::Saved, QStringLiteral("成功保存信息！"), info};
}

QString effectiveFixedChar()
{
    const BabyProfile &p = liveProfile();
    if (!p.fixedCharEnabled || !numerology::isAllInDictionary(p.fixedChar))
        return {};
    return p.fixedChar;
}

void resetProfileForTests()
{
    store().row.reset();
    liveProfile() = BabyProfile{};
}

} // namespace qiming::profile
