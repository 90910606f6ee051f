#include "widgets/CharacterLimit.h"

#include <QLineEdit>

#include <algorithm>

namespace qiming::widgets {

CharacterLimitValidator::CharacterLimitValidator(int maxCharacters, QObject *parent)
    : QValidator(parent)
    , m_max(maxCharacters)
{
}

QValidator::State CharacterLimitValidator::validate(QString &input, int &pos) const
{
    // Cut after the last whole character that fits, as a length limit would, but never
    // inside a surrogate pair; a stray half of one goes too.
    QString kept;
    int characters = 0;
    for (qsizetype i = 0; i < input.size() && characters < m_max; ++i) {
        const QChar c = input.at(i);
        if (c.isHighSurrogate() && i + 1 < input.size() && input.at(i + 1).isLowSurrogate()) {
            kept += c;
            kept += input.at(++i);
        } else if (c.isSurrogate()) {
            continue;
        } else {
            kept += c;
        }
        ++characters;
    }
    if (kept != input) {
        input = kept;
        pos = std::min(pos, int(kept.size()));
    }
    return Acceptable;
}

void limitCharacters(QLineEdit *edit, int maxCharacters)
{
    edit->setMaxLength(4 * maxCharacters); // the validator cuts, by characters
    edit->setValidator(new CharacterLimitValidator(maxCharacters, edit));
}

} // namespace qiming::widgets
