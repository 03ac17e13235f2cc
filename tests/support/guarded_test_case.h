#pragma once

#include <QObject>
#include <QRegularExpression>

// What counts as a warning from QML: a page that fails to load, a binding
// that breaks, a picture that cannot be opened.
const QRegularExpression& qmlWarningPattern();

// The base of every QtTest class: each test function fails on a logged QML
// warning. A class with an init() of its own calls GuardedTestCase::init()
// first.
class GuardedTestCase : public QObject {
    Q_OBJECT

protected slots:
    void init();
};
