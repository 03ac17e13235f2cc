// The floor the start-up benchmark measures the program against: a Qt Quick
// window of the program's size holding one rectangle, built with the same
// compiler and Qt, on the same renderer the program would choose.

#include <QGuiApplication>
#include <QProcessEnvironment>
#include <QQmlComponent>
#include <QQuickItem>
#include <QQuickView>

#include "app/renderer_choice.h"

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    chooseRenderer(RendererRequest::fromEnvironment(QProcessEnvironment::systemEnvironment()));
    QQuickView view;
    QQmlComponent component(view.engine());
    component.setData("import QtQuick\nRectangle { width: 1000; height: 600; color: \"#101418\" }",
                      QUrl());
    view.setContent(QUrl(), &component, component.create());
    view.show();
    return application.exec();
}
