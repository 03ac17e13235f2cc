import QtQuick

// A field that picks one file of a list (a macro for a button): the chosen
// name on the file-list frame, the names dropping down under it. Nothing
// chosen shows the placeholder.
DropdownList {
    id: root
    width: 200
    height: 30
    maxRows: 10
}
