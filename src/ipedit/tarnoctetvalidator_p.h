// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_TARNOCTETVALIDATOR_P_H
#define TARNUILIB_TARNOCTETVALIDATOR_P_H

#include <QIntValidator>

// QIntValidator(0, 255) that also refuses 256 to 999, which QIntValidator calls
// Intermediate and so lets QLineEdit take by typing, paste or drop.
class TarnOctetValidator : public QIntValidator
{
    Q_OBJECT

public:
    explicit TarnOctetValidator(QObject *parent = nullptr);

    State validate(QString &input, int &position) const override;
};

#endif
