// SPDX-License-Identifier: LGPL-2.1-or-later
#include <QtTest>
class T : public QObject
{
    Q_OBJECT
};
QTEST_MAIN(T)
#include "tst_tarnbasedialog_geometry.moc"
