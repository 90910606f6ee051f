// A line edit's limit in characters, not UTF-16 units: a character outside the BMP counts
// once, and half of one (a lone surrogate) is never accepted.
#pragma once

#include <QValidator>

class QLineEdit;

namespace qiming::widgets {

class CharacterLimitValidator final : public QValidator {
    Q_OBJECT
public:
    CharacterLimitValidator(int maxCharacters, QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;

private:
    int m_max;
};

// Sets the validator, and a unit limit that leaves room for surrogate pairs.
void limitCharacters(QLineEdit *edit, int maxCharacters);

} // namespace qiming::widgets
