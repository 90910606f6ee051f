// The baby profile: the live settings every page reads, and the one stored row behind it.
#pragma once

#include <QString>

namespace qiming::data {
class Database;
}

namespace qiming::profile {

struct BabyProfile {
    QString surname = QStringLiteral("李");
    QString gender = QStringLiteral("nan"); // "nan", "nv", or empty when neither is chosen
    int givenNameLength = 2;
    bool fixedCharEnabled = false;
    int fixedCharPosition = 1;
    QString fixedChar;
    // As shown and stored: decimal text without leading zeros.
    QString birthYear = QStringLiteral("2014");
    QString birthMonth = QStringLiteral("8");
    QString birthDay = QStringLiteral("8");
    QString birthHour = QStringLiteral("8");
    QString birthMinute = QStringLiteral("8");

    bool singleSurname() const { return surname.size() == 1; }
};

// The live profile: the settings window's state, saved or not.
BabyProfile &liveProfile();

// The first call copies the stored row into the live profile; later calls do nothing.
// Throws data::DatabaseError when the row cannot be read.
void ensureProfileLoaded();
// Reads the stored row again, replacing unsaved surname, gender and birth values.
void reloadProfile();
// The 性别 of the stored row ("" without a row).
QString storedGender();

struct SaveResult {
    enum Outcome { Saved, Invalid, Failed } outcome;
    QString message;
    QString caption;
};
// Validates and writes the live profile: date, then surname, then fixed character.
SaveResult saveProfile();

// The fixed character when it is in effect for the generation modes, else empty.
QString effectiveFixedChar();

// Forgets the stored row (tests, and a change of connection).
void resetProfileForTests();

} // namespace qiming::profile
