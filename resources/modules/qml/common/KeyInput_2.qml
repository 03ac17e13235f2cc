import QtQuick

// The key capture field of the macro and key pages, with its frame text:
// "КНОПКИ【 НАЖМИТЕ 】" while no key is captured, "КНОПКИ 【 label 】" once
// one is.
KeyInput {
    id: root
    width: 200
    height: 26
    emptyText: "КНОПКИ【 НАЖМИТЕ 】"

    function displayText(label) {
        return "КНОПКИ 【 " + label + " 】"
    }
}
