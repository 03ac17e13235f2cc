#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class myQQuickView;

// Builds the view inside the host window and offers QML the operations a
// frameless window needs: drag, close, and the busy lock. Published to QML
// as "ui_Ctl". Owned by the host window (released with deleteLater); GUI
// thread only.
class Ui_Controler : public QObject {
    Q_OBJECT

public:
    explicit Ui_Controler(QObject* parent = nullptr) : QObject(parent) {}

    void setupUi(QWidget* host);
    // The window title from "common/name" of the configuration; read only
    // at start-up.
    void retranslateUi(QWidget* host);

    QPointer<QWidget> host;
    myQQuickView* view = nullptr;

public slots:
    void onMinimize();
    void onXChanged(int x);
    void onYChanged(int y);
    void setBusy(int busyTime);
    void setBusy();
};
