// Journeys on the real program: the host window, the real view and pages on
// the emulated mouse, in a copy of the modules folder the build laid out,
// driven by clicks on named items. What counts is what reaches the settings
// files and the mouse, and that nothing logs a warning on the way.

#include <QDesktopServices>
#include <QMediaPlayer>
#include <QQuickItem>
#include <QSettings>
#include <QtTest>

#include "guarded_test_case.h"
#include "program_run.h"
#include "scene_driver.h"
#include "settings/profile_store.h"
#include "settings/settings_file.h"
#include "settings_folder.h"
#include "test_doubles.h"
#include "ui/my_qquick_view.h"
#include "ui/sound_board.h"

namespace {

// Counts how often a player was given a source file (a play of it), from
// the moment its player is made.
class SourceCounter : public QObject {
public:
    SourceCounter(myQQuickView* view, int index, const QString& fileName) : name(fileName) {
        SoundBoard& board = view->sounds();
        if (board.player(index)) follow(board.player(index));
        connect(&board, &SoundBoard::playerMade, this,
                [this, index](int madeIndex, SoundPlayer* made) {
                    if (madeIndex == index) follow(made);
                });
    }
    QString name;
    int count = 0;

private:
    void follow(SoundPlayer* made) {
        auto* player = qobject_cast<MediaSoundPlayer*>(made);
        if (player)
            connect(player->mediaPlayer(), &QMediaPlayer::sourceChanged, this,
                    [this](const QUrl& source) {
                        if (source.fileName() == name) ++count;
                    });
    }
};

// Receives the addresses the logo opens instead of a browser.
class LinkCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

// One run of the program, with the settings panel's own reads.
struct Program : ProgramRun {
    // The panel's list as apply would store it.
    QVariantList panelList() const {
        QVariant list;
        QMetaObject::invokeMethod(item("globalSetting"), "configurationList",
                                  Q_RETURN_ARG(QVariant, list));
        return list.toList();
    }

    QString entry(int index) const {
        const QSettings config(folder.path("modules/setting/apConfig.bin"), QSettings::IniFormat);
        return config.value("common/" + QString::number(index)).toString();
    }
};

// Every picture the scene asked for was loaded.
QStringList picturesNotLoaded(QQuickItem* item) {
    QStringList missing;
    for (QQuickItem* child : item->childItems()) {
        const QVariant source = child->property("source");
        const QVariant status = child->property("status");
        if (source.isValid() && status.isValid() && !source.toUrl().isEmpty() &&
            status.toInt() != 1)
            missing.append(source.toUrl().toString());
        missing += picturesNotLoaded(child);
    }
    return missing;
}

}  // namespace

class Journeys : public GuardedTestCase {
    Q_OBJECT

private slots:
    void init() {
        GuardedTestCase::init();
        QTest::failOnWarning(anyWarningButTheMachines());
    }

    // The shipped configuration turns sound off: the start-up sound and the
    // background never start, and no player is even made. With sound on,
    // the start-up sound plays once.
    void startUp_data() {
        QTest::addColumn<QString>("sound");
        QTest::addColumn<int>("startUpPlays");
        QTest::newRow("shipped, sound off") << "1" << 0;
        QTest::newRow("sound on") << "0" << 1;
    }

    void startUp() {
        QFETCH(QString, sound);
        QFETCH(int, startUpPlays);
        Program program;
        QVERIFY(program.folder.isValid());
        if (sound != "1") program.setConfiguration({{2, sound}});
        QVERIFY(program.show());
        SourceCounter startUpSound(program.window->view(), SoundBoard::kStartUp, "01.wav");
        SourceCounter background(program.window->view(), SoundBoard::kBackground, "00.mp3");
        QVERIFY(!program.rootValue("visible").toBool());
        QVERIFY(program.driver->waitForOpening(20000));
        QCOMPARE(startUpSound.count, startUpPlays);
        if (startUpPlays == 0) {
            QCOMPARE(background.count, 0);
            for (int index = 0; index < SoundBoard::kPlayerCount; ++index)
                QVERIFY(!program.window->view()->sounds().player(index));
        }
        QCOMPARE(picturesNotLoaded(program.driver->root()), QStringList());
        QCOMPARE(program.rootValue("animation_speed").toInt(), 800);
    }

    // What the panel sets and applies is what the next start shows.
    void panelApplyThenRestart() {
        Program program;
        program.setConfiguration({{3, "1"}});
        QVERIFY(program.start());
        QVERIFY(program.click("settingButton"));
        QVERIFY(program.click("skinButton2"));
        QVERIFY(program.click("languageList"));
        QVERIFY(program.click("languageList_row2"));
        QVERIFY(program.click("textSizeLargerButton"));
        QVERIFY(program.click("presetSwatch4"));
        QVERIFY(program.click("colorPalette", Qt::LeftButton, QPointF(0.5, 0.25)));
        QVERIFY(program.click("brightnessSlider", Qt::LeftButton, QPointF(0.3, 0.5)));
        QVERIFY(program.click("applyButton"));
        const QVariantList applied = program.panelList();
        QCOMPARE(applied.size(), 32);
        QCOMPARE(program.rootValue("skin_No").toInt(), 2);
        QCOMPARE(program.rootValue("globalSetting_fontFamily").toString(), QString("DejaVu Sans"));
        program.stop();

        QCOMPARE(program.entry(1), QString("2"));
        QCOMPARE(program.entry(4), QString("2"));
        QCOMPARE(program.entry(7), QString("1"));
        QCOMPARE(program.entry(29), QString("4"));
        QCOMPARE(program.entry(30), QString("2"));
        QCOMPARE(QStringList({program.entry(20), program.entry(21), program.entry(22)}),
                 QStringList({"255", "255", "0"}));

        QVERIFY(program.start());
        QCOMPARE(program.rootValue("skin_No").toInt(), 2);
        QCOMPARE(program.rootValue("globalSetting_size").toInt(), 12);
        QCOMPARE(program.rootValue("globalSetting_stringList").toStringList().value(29),
                 QString("ЯЗЫК"));
        QCOMPARE(quotedTexts(program.panelList()), quotedTexts(applied));
        QCOMPARE(picturesNotLoaded(program.driver->root()), QStringList());
    }

    // The profile menu: a switch sets nothing in the mouse; SAVE exports
    // the file, LOAD and RESET replace it; a failed export changes nothing.
    void profileMenu() {
        Program program;
        program.setConfiguration({{3, "1"}});
        QVERIFY(program.start());
        const QString p4 = program.folder.path("modules/setting/p4.bin");
        program.mouse.clearTranscript();
        QVERIFY(program.click("profileButton3"));
        QCOMPARE(program.window->view()->profiles().currentProfile(), 3);
        QCOMPARE(QFileInfo(program.window->view()->currentProfileSettings()->fileName())
                     .absoluteFilePath(),
                 QFileInfo(p4).absoluteFilePath());
        // The pages ask the mouse about itself again; nothing is set.
        for (const auto& report : program.mouse.transcript())
            QVERIFY(report.direction != EmulatedHidDevice::Report::Direction::Write &&
                    !(report.direction == EmulatedHidDevice::Report::Direction::SetFeature &&
                      report.bytes.size() > 1 && report.bytes[1] < 0x80));

        const auto menu = [&program](const QString& row) {
            return program.click("profileButton3", Qt::RightButton) &&
                   SceneDriver::waitUntil(
                       [&program] { return program.item("profileMenu")->opacity() >= 1.0; },
                       5000) &&
                   program.click("profileMenu" + row);
        };
        const QByteArray before = readFile(p4);
        program.prompt.fileAnswer = program.folder.path("no such folder/export.pf");
        QVERIFY(menu("Save"));
        QCOMPARE(readFile(p4), before);

        program.prompt.fileAnswer = program.folder.path("export.pf");
        QVERIFY(menu("Save"));
        QCOMPARE(readFile(program.prompt.fileAnswer), before);

        QVERIFY(writeFile(program.folder.path("import.pf"), "[sensor]\nstage_Q4=5\n"));
        program.prompt.fileAnswer = program.folder.path("import.pf");
        QVERIFY(menu("Load"));
        QCOMPARE(program.window->view()->ui_8BH_GetCurrentDPIStage().toInt(), 5);

        QVERIFY(menu("Reset"));
        QCOMPARE(readFile(p4), readFile(program.folder.path("modules/setting/pD.bin")));
        QVERIFY(program.prompt.boxes.isEmpty());
    }

    // The logo opens the configured web page or the shipped help page (the
    // page itself, not the user's link to it), nothing else; the close button
    // ends the window after its animation.
    void logoAndClose_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("opened");
        QTest::newRow("the shipped help page") << ""
                                               << "modules/help/index.html";
        QTest::newRow("a web page") << "https://example.com/q4"
                                    << "https://example.com/q4";
        QTest::newRow("a program") << "file:///bin/sh"
                                   << "";
    }

    void logoAndClose() {
        QFETCH(QString, link);
        QFETCH(QString, opened);
        Program program;
        QMap<int, QString> entries{{3, "1"}};
        if (!link.isEmpty()) entries.insert(31, link);
        program.setConfiguration(entries);
        QVERIFY(program.start());
        LinkCatcher catcher;
        for (const char* scheme : {"https", "file"})
            QDesktopServices::setUrlHandler(scheme, &catcher, "open");
        QVERIFY(program.click("logo"));
        for (const char* scheme : {"https", "file"}) QDesktopServices::unsetUrlHandler(scheme);
        QList<QUrl> expected;
        if (opened.startsWith("https:")) expected.append(QUrl(opened));
        if (opened.startsWith("modules/"))
            expected.append(
                QUrl::fromLocalFile(QFileInfo(program.folder.path(opened)).canonicalFilePath()));
        QCOMPARE(catcher.opened, expected);

        QVERIFY(program.click("closeButton"));
        QVERIFY(SceneDriver::waitUntil([&program] { return !program.window->isVisible(); }, 5000));
    }
};

QTEST_MAIN(Journeys)
#include "tst_journeys.moc"
