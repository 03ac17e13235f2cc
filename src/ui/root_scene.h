#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <array>
#include <functional>
#include <initializer_list>

class QObject;

// The functions of the QML root item that the back end calls, one typed
// wrapper each. The arguments travel as QVariant, as the root declares them
// untyped. A call to a function the loaded root lacks, or declares with
// another number of parameters, does nothing but leave one warning.
//
// Threads: GUI thread only (the root item lives there).
class RootScene {
public:
    struct Function {
        const char* name;
        int parameterCount;
    };
    // Every root function the back end calls.
    static constexpr std::array<Function, 5> kFunctions{{{"initUI", 0},
                                                         {"run", 0},
                                                         {"setProtectUI", 1},
                                                         {"detectKeyboard", 2},
                                                         {"detectMouse", 4}}};

    // root: hands out the scene's root item at the time of each call (null
    // while no scene is loaded: the calls then do nothing).
    explicit RootScene(std::function<QObject*()> root) : rootItem(std::move(root)) {}

    void initUI();                                                   // queued
    void run();                                                      // queued
    void setProtectUI(int interval);                                 // direct
    void detectKeyboard(bool isDown, int usbCode);                   // queued
    void detectMouse(bool isDown, uint buttonCode, uint x, uint y);  // queued

    // The functions of kFunctions that this root lacks or declares with
    // another number of parameters ("name/count" each).
    static QStringList mismatches(const QObject* root);

private:
    void call(const Function& function, Qt::ConnectionType type,
              std::initializer_list<QVariant> arguments);

    std::function<QObject*()> rootItem;
};
