// SPDX-License-Identifier: LGPL-2.1-or-later
#include "gallerystyle.h"

#include <TarnUILib/TarnUILib.h>

#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QRegularExpression>

QString scaledStyleSheet(const QString &sheet)
{
    static const QRegularExpression size(QStringLiteral("(font-size:\\s*)?(\\d+)px"));
    QString scaled;
    int copied = 0;
    for (auto it = size.globalMatch(sheet); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const int base = match.captured(2).toInt();
        const int value =
            match.capturedLength(1) > 0 ? base + getFontFactor() : static_cast<int>(base * gScale);
        scaled += sheet.mid(copied, match.capturedStart(2) - copied);
        scaled += QString::number(value) + QLatin1String("px");
        copied = match.capturedEnd();
    }
    scaled += sheet.mid(copied);
    return scaled;
}

void applyGalleryStyle(const QString &style)
{
    QFile file(QStringLiteral(":/styles/tarn-%1.qss").arg(style));
    if (file.open(QIODevice::ReadOnly))
        qApp->setStyleSheet(
            adjusteResourcePath(scaledStyleSheet(QString::fromUtf8(file.readAll()))));
    // Links in rich-text labels take the palette's colour, which no style sheet reaches.
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Link,
                     style == QLatin1String("dark") ? QColor(0x4c, 0xd7, 0xb0)
                                                    : QColor(0x00, 0x80, 0x5f));
    QApplication::setPalette(palette);
}
