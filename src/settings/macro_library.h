#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <functional>

class QWidget;

// The user's macros: one INI file per macro in the macro folder, named after
// the macro ("<folder>/<name>.bin"), independent of the profiles.
//
//   config/index   slot the macro is assigned to, -1 none (mouse 0 to 11 =
//                  slot id 1 to 12; keyboard 0 to 34 = slot id 0 to 34)
//   config/total   number of lines under macro/
//   config/repeat  how often the device plays it (the mouse gets it as the
//                  16-bit header of the macro block)
//   config/did     device type the assignment belongs to (0 keyboard,
//                  1 mouse), -1 none
//   macro/0 ...    the lines, in the text form of the macro encoder
//
// The operations mirror the view's slots, with the same argument types, so
// each slot is one line. Every operation opens the file for its own duration;
// nothing is cached here.
//
// A macro name becomes a file name, so a name that is empty, "." or "..", or
// that holds '/', '\' or a NUL is refused by every operation with its failure
// result (false, empty string or list, nothing sent): no name can reach a
// file outside the folder.
//
// The library knows the device only through two narrow callbacks: the type
// of the device now current (an assignment belongs to one type), and the
// re-send of a saved macro that is assigned on it.
//
// Threads: GUI thread only, like the view its slots serve. The dialog parent
// is not owned and must outlive this object (or be reset).
class MacroLibrary {
public:
    // 0 keyboard, 1 mouse, -1 when no device is known.
    using DeviceType = std::function<int()>;
    // Sends macro `name` again to slot `slotId` of a device of `deviceType`.
    using Resend = std::function<void(int deviceType, int slotId, const QString& name)>;

    explicit MacroLibrary(const QString& folder = QStringLiteral("./modules/macro/"),
                          DeviceType deviceType = {}, Resend resend = {});

    void setDevice(DeviceType deviceType, Resend resend);
    // Parent of the import and export dialogs.
    void setDialogParent(QWidget* parent) { dialogParent = parent; }
    QString folder() const { return macroFolder; }
    // The device type that assignments and re-sends belong to: 0 keyboard,
    // 1 mouse, -1 when no device is known.
    int currentDeviceType() const;

    static bool isMacroName(const QString& name);
    // "<folder>/<name>.bin"; meaningful only for names isMacroName accepts.
    QString macroFilePath(const QString& name) const;

    // File names ("<name>.bin") in the folder, sorted ignoring case; files
    // whose name the library would refuse are not listed.
    QStringList getMacroIniNames() const;
    // Creates "Macro. 001" (the first free number, at least three digits)
    // with index -1, total 0, repeat 1, did -1; returns the name, or an
    // empty string when the file could not be written.
    QVariant createMacroIni();
    // false when the file is missing or cannot be removed.
    QVariant deleteMacroIni(const QVariant& name);
    // Never replaces an existing macro. The view ignores the result.
    bool renameMacroIniFile(const QVariant& oldName, const QVariant& newName);
    // The stored lines; empty when the file is missing.
    QStringList loadMacroIni(const QVariant& name) const;
    // Replaces the lines. A macro assigned on the current device (did equal
    // to its type) is sent to its slot again at once: mouse index 0 to 11
    // to slot id index + 1, keyboard index 0 to 34 to slot id index. false
    // when the file is missing or cannot be written.
    QVariant saveMacroIni(const QVariant& name, const QStringList& macros);
    // [index, repeat] as stored; index -1 when the assignment belongs to
    // another device type. Empty when the file is missing.
    QVariantList loadMacroIniConfig(const QVariant& name) const;
    // [index, repeat] and did = the current device type. Refused (false)
    // when the file is missing or config does not hold two numbers.
    bool setMacroIniConfig(const QVariant& name, const QVariantList& config);
    // Import: replaces an existing macro's file with a file the user picks.
    // The old file is replaced only once the new content is fully written.
    bool loadMacroIniFromFile(const QVariant& name);
    // Export: copies an existing macro's file to a file the user names.
    bool saveMacroIniToFile(const QVariant& name);

private:
    // The file of an accepted name that exists; empty otherwise.
    QString existingFile(const QVariant& name) const;

    DeviceType deviceType;
    Resend resend;
    QWidget* dialogParent = nullptr;
    QString macroFolder;
};
