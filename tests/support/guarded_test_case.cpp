#include "guarded_test_case.h"

#include <QLoggingCategory>
#include <QtTest>

const QRegularExpression& qmlWarningPattern() {
    static const QRegularExpression pattern(
        R"(\.qml:\d+|ReferenceError|TypeError|Binding loop|Unable to assign|Cannot open|)"
        R"(QQmlComponent|is not installed|is not a type|Cannot read property)");
    return pattern;
}

// QtTest keeps the patterns for the running test function only, so they are
// set again before each one. The program's own log categories write only
// warnings unless asked; the tests look at their debug lines too.
void GuardedTestCase::init() {
    QTest::failOnWarning(qmlWarningPattern());
    QLoggingCategory::setFilterRules(QStringLiteral("q4.*=true"));
}
