// SPDX-License-Identifier: LGPL-2.1-or-later
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QPluginLoader>
#include <QXmlStreamReader>
#include <QtTest>
#include <QtWidgets>

namespace {
const QStringList widgetNames = {
    "TarnIpAddrEdit",
    "TarnComboBox",
    "TarnLineEdit",
    "TarnCheckBox",
    "TarnLabel",
    "TarnPushButton",
    "AutoHideScrollListView",
    "AutoHideScrollTableView",
    "AutoHideScrollListWidget",
    "AutoHideScrollTableWidget",
    "RotateAnimLabel",
    "ShortCutEdit",
};

struct DomWidget
{
    QString className;
    QSize size;
    QString error;
};

// The class and geometry size of the form's widget, or the reader's error.
DomWidget readDomXml(const QString &xml)
{
    DomWidget result;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == QLatin1String("widget"))
            result.className = reader.attributes().value("class").toString();
        else if (reader.name() == QLatin1String("width"))
            result.size.setWidth(reader.readElementText().toInt());
        else if (reader.name() == QLatin1String("height"))
            result.size.setHeight(reader.readElementText().toInt());
    }
    if (reader.hasError())
        result.error = reader.errorString();
    return result;
}
} // namespace

class tst_DesignerPlugin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void offersEachWidgetOnce();
    void createsWidgetOfItsOwnClass_data();
    void createsWidgetOfItsOwnClass();

private:
    QMap<QString, QDesignerCustomWidgetInterface *> m_widgets;
    QStringList m_names;
};

void tst_DesignerPlugin::initTestCase()
{
    QPluginLoader loader(QStringLiteral(TARN_DESIGNER_PLUGIN));
    auto *collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(loader.instance());
    QVERIFY2(collection, qPrintable(loader.errorString()));
    for (QDesignerCustomWidgetInterface *widget : collection->customWidgets()) {
        m_names << widget->name();
        m_widgets.insert(widget->name(), widget);
    }
}

void tst_DesignerPlugin::offersEachWidgetOnce()
{
    QStringList expected = widgetNames;
    expected.sort();
    m_names.sort();
    QCOMPARE(m_names, expected);
}

void tst_DesignerPlugin::createsWidgetOfItsOwnClass_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : widgetNames)
        QTest::newRow(qPrintable(name)) << name;
}

void tst_DesignerPlugin::createsWidgetOfItsOwnClass()
{
    QFETCH(QString, name);
    QDesignerCustomWidgetInterface *plugin = m_widgets.value(name);
    QVERIFY(plugin);
    QCOMPARE(plugin->group(), QStringLiteral("TarnUILib"));
    QVERIFY(!plugin->isContainer());

    QWidget form;
    QWidget *widget = plugin->createWidget(&form);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), &form);
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), name);

    const DomWidget dom = readDomXml(plugin->domXml());
    QVERIFY2(dom.error.isEmpty(), qPrintable(dom.error));
    QCOMPARE(dom.className, name);
    // Placed at its default size, the widget is not squeezed below what it needs.
    const QSize needed = widget->minimumSizeHint();
    QVERIFY2(dom.size.width() >= needed.width() && dom.size.height() >= needed.height(),
             qPrintable(QStringLiteral("%1x%2 < %3x%4")
                            .arg(dom.size.width())
                            .arg(dom.size.height())
                            .arg(needed.width())
                            .arg(needed.height())));

    // The header a generated form includes is one the package installs.
    QFile umbrella(QStringLiteral(TARN_UMBRELLA_HEADER));
    QVERIFY(umbrella.open(QIODevice::ReadOnly));
    const QString header = plugin->includeFile().section('/', -1);
    QVERIFY(plugin->includeFile().startsWith("TarnUILib/"));
    QVERIFY2(umbrella.readAll().contains(QString("\"%1\"").arg(header).toUtf8()),
             qPrintable(header));
}

QTEST_MAIN(tst_DesignerPlugin)
#include "tst_designerplugin.moc"
