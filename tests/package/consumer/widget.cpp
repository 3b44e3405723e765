// SPDX-License-Identifier: LGPL-2.1-or-later
// A host that uses one widget and no name of the core library: the linker then leaves the core
// library out of the program, and only the UI library's own run path can lead the loader to it.
#include <TarnUILib/tarnipaddredit.h>

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TarnIpAddrEdit address;
    address.setText(QStringLiteral("10.0.2.15"));
    return address.isIpValid() && address.text() == QLatin1String("10.0.2.15") ? 0 : 1;
}
