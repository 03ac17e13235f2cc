// The application configuration: the preference list, the device entry, the
// factory reset, the skin count and the background picture chooser.

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "settings/application_config.h"
#include "test_doubles.h"

namespace {

void writeFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestApplicationConfig : public QObject {
    Q_OBJECT

private slots:
    void init() { dir = std::make_unique<QTemporaryDir>(); }
    void listRoundTrip();
    void deviceConfig();
    void reset_data();
    void reset();
    void skinShow();
    void customFilePath_data();
    void customFilePath();

private:
    // A fresh folder per test: the settings library caches files by name.
    QString path(const QString& name) const { return dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> dir;
};

void TestApplicationConfig::listRoundTrip() {
    QVariantList entries{1, 2, 0, 1, 2, true, "file:/home/u/b, g.png", 1};
    for (int value = 0; value < 23; ++value) entries.append(value * 11);
    entries.append("https://example.com/q4");
    {
        ApplicationConfig config(path("apConfig.bin"));
        config.saveApConfig(entries);
        QCOMPARE(config.loadApConfig(), entries);
        config.saveApConfig({5, 6});
        QCOMPARE(config.loadApConfig(), QVariantList({5, 6}));
        config.saveApConfig(entries);
    }
    // Read back from the file's text, as after the next start.
    QVERIFY(QFile::copy(path("apConfig.bin"), path("copy.bin")));
    const QVariantList loaded = ApplicationConfig(path("copy.bin")).loadApConfig();
    QCOMPARE(loaded.size(), 32);
    for (int index = 0; index < loaded.size(); ++index) {
        QCOMPARE(loaded.at(index).typeId(), int(QMetaType::QString));
        QCOMPARE(loaded.at(index).toString(), entries.at(index).toString());
    }
    // Missing, zero, gaps and a damaged count.
    writeFile(path("zero.bin"), "[common]\ntotal=0\n0=1\n");
    writeFile(path("huge.bin"), "[common]\ntotal=2147483647\n");
    QCOMPARE(ApplicationConfig(path("huge.bin")).loadApConfig().size(),
             ApplicationConfig::kMaxEntries);
    writeFile(path("gap.bin"), "[common]\ntotal=3\n0=a\n2=c\n");
    QVERIFY(ApplicationConfig(path("absent.bin")).loadApConfig().isEmpty());
    QVERIFY(ApplicationConfig(path("zero.bin")).loadApConfig().isEmpty());
    QCOMPARE(ApplicationConfig(path("gap.bin")).loadApConfig(), QVariantList({"a", 0, "c"}));
}

void TestApplicationConfig::deviceConfig() {
    writeFile(path("five.bin"), "[Q4]\ncolorMaxStage=5\n[K9]\ncolorMaxStage=3\n");
    writeFile(path("other.bin"), "[K9]\ncolorMaxStage=3\n");
    QCOMPARE(ApplicationConfig(path("five.bin")).loadDeviceApConfig(), QVariantList({5}));
    QCOMPARE(ApplicationConfig(path("other.bin")).loadDeviceApConfig(), QVariantList({8}));
    QCOMPARE(ApplicationConfig(path("absent.bin")).loadDeviceApConfig(), QVariantList({8}));
}

void TestApplicationConfig::reset_data() {
    QTest::addColumn<QString>("factory");  // "file", "none" or "unreadable"
    QTest::addColumn<bool>("isRestored");
    QTest::addColumn<QVariantList>("loaded");
    QTest::addColumn<QString>("title");
    QTest::newRow("factory file") << "file" << true << QVariantList{"1", "1", "1", "0"}
                                  << "Q4 Gaming Mouse";
    QTest::newRow("no factory file") << "none" << false << QVariantList() << "";
    QTest::newRow("unreadable factory file")
        << "unreadable" << false << QVariantList{"7"} << "Mine";
}

void TestApplicationConfig::reset() {
    QFETCH(QString, factory);
    QFETCH(bool, isRestored);
    QFETCH(QVariantList, loaded);
    QFETCH(QString, title);
    const QByteArray factoryText = "[common]\nname=Q4 Gaming Mouse\ntotal=4\n0=1\n1=1\n2=1\n3=0\n";
    if (factory == "file") writeFile(path("apConfigD.bin"), factoryText);
    if (factory == "unreadable") QVERIFY(QDir(dir->path()).mkdir("apConfigD.bin"));
    writeFile(path("apConfig.bin"), "[common]\nname=Mine\ntotal=1\n0=7\n");

    ApplicationConfig config(path("apConfig.bin"), path("apConfigD.bin"));
    QCOMPARE(config.loadApConfig(), QVariantList({"7"}));
    // Unsaved entries at the moment of the reset must not reach the result.
    if (factory != "unreadable") config.saveApConfig({1, 2, 3, 4, 5, 6});
    QCOMPARE(config.resetApconfig(), isRestored);
    QCOMPARE(config.loadApConfig(), loaded);
    QCOMPARE(config.windowTitle(), title);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (factory == "file") QCOMPARE(readFile(path("apConfig.bin")), factoryText);
    if (factory == "none") QVERIFY(!QFile::exists(path("apConfig.bin")));
}

void TestApplicationConfig::skinShow() {
    const QString images = path("img");
    const auto isShown = [&] {
        return ApplicationConfig(path("a"), path("b"), images).getIsSkinShow();
    };
    QVERIFY(!isShown());
    QVERIFY(QDir().mkpath(images + "/skin1"));
    writeFile(images + "/skin2", "a file, not a skin");
    writeFile(images + "/preview.png", "x");
    QVERIFY(!isShown());
    QVERIFY(QDir().mkpath(images + "/skin3"));
    QVERIFY(isShown());
}

void TestApplicationConfig::customFilePath_data() {
    QTest::addColumn<QString>("answer");  // file in the test folder; "" cancels
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("isAccepted");
    QTest::addColumn<QStringList>("box");  // caption and text start; empty: no box
    const QStringList messages{"M0", "M1", "BACKGROUND", "Cannot open the file: ", "M4", "M5"};
    QTest::newRow("cancelled") << "" << messages << false << QStringList();
    QTest::newRow("readable") << "picture.png" << messages << true << QStringList();
    QTest::newRow("unreadable") << "missing.png" << messages << false
                                << QStringList{"BACKGROUND", "Cannot open the file: "};
    QTest::newRow("no language yet")
        << "missing.png" << QStringList() << false << QStringList{"", ""};
}

void TestApplicationConfig::customFilePath() {
    QFETCH(QString, answer);
    QFETCH(QStringList, messages);
    QFETCH(bool, isAccepted);
    QFETCH(QStringList, box);
    writeFile(path("picture.png"), "\x89PNG");
    RecordingPrompt dialogs;
    dialogs.fileAnswer = answer.isEmpty() ? QString() : path(answer);

    const QString chosen =
        ApplicationConfig(path("apConfig.bin")).getCustomFilePath(nullptr, messages);
    QCOMPARE(dialogs.dialogCaptions, QStringList({"Open File"}));
    QCOMPARE(chosen, isAccepted ? dialogs.fileAnswer : QString());
    QCOMPARE(dialogs.boxes.size(), box.isEmpty() ? 0 : 1);
    if (!box.isEmpty()) {
        QCOMPARE(dialogs.boxes.at(0).caption, box.at(0));
        QCOMPARE(dialogs.boxes.at(0).text, box.at(1) + dialogs.fileAnswer);
    }
}

QTEST_GUILESS_MAIN(TestApplicationConfig)
#include "tst_application_config.moc"
