// What the pages and the back end must agree on outside the code paths:
// the skins' pictures against their table, the page-side key tables against
// the back end's, the mouse picture's button and zone tables against the
// page models, and the page tests' recording view against the real view's
// slots.

#include <QDirIterator>
#include <QImage>
#include <QJSValue>
#include <QMetaMethod>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QtTest>
#include <memory>

#include "guarded_test_case.h"
#include "keys/key_name_table.h"
#include "recording_view.h"
#include "scene_driver.h"
#include "skin_pictures.h"
#include "ui/my_qquick_view.h"

namespace {

std::unique_ptr<QObject> createPageObject(QQmlEngine& engine, const QString& url) {
    QQmlComponent component(&engine, QUrl(url));
    std::unique_ptr<QObject> object(component.create());
    if (!object) qWarning() << component.errorString();
    return object;
}

QVariant jsProperty(QObject* object, const char* name) {
    const QVariant value = object->property(name);
    return value.canConvert<QJSValue>() ? value.value<QJSValue>().toVariant() : value;
}

}  // namespace

class PageData : public GuardedTestCase {
    Q_OBJECT

private slots:
    void init() {
        GuardedTestCase::init();
        QTest::failOnWarning(QRegularExpression(".?"));
    }

    // Every picture of the table in both skins, at its size, the lit one
    // different from the idle one, and no picture the table does not know.
    void skinPictures_data() {
        QTest::addColumn<int>("skin");
        QTest::newRow("skin 1") << 1;
        QTest::newRow("skin 2") << 2;
    }

    void skinPictures() {
        QFETCH(int, skin);
        const QDir folder(builtModulesFolder() + "/img/skin" + QString::number(skin));
        QStringList problems;
        QSet<QString> known;
        for (const skins::Picture& picture : skins::kPictures) {
            const QString name = QString::fromLatin1(picture.name) + ".png";
            known.insert(name);
            const QImage image(folder.filePath(name));
            if (image.size() != QSize(picture.width, picture.height))
                problems.append(
                    QString("%1 is %2x%3").arg(name).arg(image.width()).arg(image.height()));
            if (name.endsWith("_1.png") &&
                image == QImage(folder.filePath(name.left(name.size() - 6) + "_0.png")))
                problems.append(name + " looks like its idle picture");
        }
        QDirIterator files(folder.path(), {"*.png"}, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString name = folder.relativeFilePath(files.next());
            if (!known.contains(name)) problems.append(name + " is not in the table");
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
    }

    // Macro files store labels: both tables must spell every key alike.
    // The one difference is "\ |", which the pages pair with 0x32.
    void keyTablesAgree() {
        QQmlEngine engine;
        const auto keys = createPageObject(engine, "qrc:/modules/qml/basic/KeyCodeString.qml");
        QVERIFY(keys);
        const QVariantMap pageKeys = jsProperty(keys.get(), "str2keycode").toMap();
        const QVariantMap pageMouse = jsProperty(keys.get(), "str2mousecode").toMap();
        const QMap<QString, uchar> table = buildKeyNameTable();
        QCOMPARE(pageKeys.size() + pageMouse.size(), table.size());
        for (auto entry = table.begin(); entry != table.end(); ++entry) {
            const bool isMouse = entry.value() >= 0xF0;
            const QVariant pageCode = (isMouse ? pageMouse : pageKeys).value(entry.key());
            const int expected = entry.key() == "\\ |" ? 0x32 : entry.value();
            QVERIFY2(pageCode.isValid() && pageCode.toInt() == expected, qPrintable(entry.key()));
        }
    }

    // The pages put their markers where the generator drew the buttons.
    void mousePictureTables() {
        QQmlEngine engine;
        const auto keyModel =
            createPageObject(engine, "qrc:/modules/qml/Q4/Model_KeyDefine_Q4.qml");
        const auto colorModel = createPageObject(engine, "qrc:/modules/qml/Q4/Model_Color_Q4.qml");
        QVERIFY(keyModel && colorModel);
        const QVariantList centres = jsProperty(keyModel.get(), "buttonCentres").toList();
        QCOMPARE(centres.size(), int(skins::kMouseButtonCentres.size()));
        for (int index = 0; index < centres.size(); ++index) {
            const QVariantMap centre = centres[index].toMap();
            QCOMPARE(centre.value("x").toInt(), skins::kMouseButtonCentres[index].x);
            QCOMPARE(centre.value("y").toInt(), skins::kMouseButtonCentres[index].y);
        }
        const QVariantList zones = jsProperty(colorModel.get(), "zones").toList();
        QCOMPARE(zones.size(), int(skins::kColorZones.size()));
        for (int index = 0; index < zones.size(); ++index) {
            const QVariantMap zone = zones[index].toMap();
            const skins::Zone& drawn = skins::kColorZones[index];
            QCOMPARE(QRect(zone.value("x").toInt(), zone.value("y").toInt(),
                           zone.value("width").toInt(), zone.value("height").toInt()),
                     QRect(drawn.x, drawn.y, drawn.width, drawn.height));
        }
    }

    // The view's public slots are the pages' contract. A page test is only
    // worth its result if the double takes the same calls as the view, in
    // both directions: a slot renamed in the view alone, or kept in the
    // double alone, would let a page call what the program lacks.
    void recordingViewOffersEverySlot_data() {
        QTest::addColumn<bool>("isFromTheView");
        QTest::newRow("the view's slots in the double") << true;
        QTest::newRow("the double's slots in the view") << false;
    }

    void recordingViewOffersEverySlot() {
        QFETCH(bool, isFromTheView);
        const QMetaObject& view = myQQuickView::staticMetaObject;
        const QMetaObject& recording = RecordingView::staticMetaObject;
        const QMetaObject& from = isFromTheView ? view : recording;
        const QMetaObject& to = isFromTheView ? recording : view;
        int count = 0;
        for (int index = from.methodOffset(); index < from.methodCount(); ++index) {
            const QMetaMethod slot = from.method(index);
            if (slot.methodType() != QMetaMethod::Slot || slot.access() != QMetaMethod::Public)
                continue;
            const int found = to.indexOfSlot(slot.methodSignature());
            QVERIFY2(found >= 0, slot.methodSignature().constData());
            QCOMPARE(to.method(found).returnMetaType(), slot.returnMetaType());
            ++count;
        }
        QVERIFY(count > 80);
    }
};

QTEST_MAIN(PageData)
#include "tst_page_data.moc"
