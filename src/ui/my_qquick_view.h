#pragma once

#include <QQuickWidget>
#include <QSettings>
#include <QStringList>
#include <QVariant>
#include <memory>

class Hid_Thread;
class SoundBoard;

// The one object through which every QML page reaches the back end,
// published as "ui_View". Its public slots are the pages' API, declared in
// the order the pages were written against; each slot is thin and forwards
// to the class that owns the behaviour. Owned by the host window (a child
// widget); GUI thread only.
class myQQuickView : public QQuickWidget {
    Q_OBJECT

public:
    explicit myQQuickView(QWidget* parent = nullptr);
    ~myQQuickView() override;

    // One key of the key capture, as a USB usage: the root's
    // detectKeyboard(isDown, usbCode), queued.
    void detectKeyboard(bool isDown, int usbCode);
    // One mouse button press or release: the root's detectMouse, queued.
    void detectMouse(bool isDown, uint buttonCode, uint x, uint y);

    SoundBoard& sounds() { return *soundBoard; }

    Hid_Thread* hid = nullptr;  // the host's device link, not owned

public slots:
    void syncFW();                          // 0
    void initUI();                          // 1
    void runUI();                           // 2
    void setEnableAudio(bool isEnable);     // 3
    void playMedia_Index(uchar index);      // 4
    void playMedia_Background();            // 5
    void clearAllMedia();                   // 6

private:
    void callRoot(const char* function, Qt::ConnectionType type, QList<QVariant> arguments = {});

    std::unique_ptr<SoundBoard> soundBoard;
    QSettings* apConfig = nullptr;
    QList<QSettings*> profileSettings;
    int currentProfile = 0;
    QStringList msgStrings;
};
