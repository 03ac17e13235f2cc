#pragma once

#include <QString>

class QWidget;

// Every modal box and file dialog of the program goes through this seam, so
// tests answer them without a human. Owned by the GUI thread.
class Prompt {
public:
    enum class Answer { Ok, Cancel };

    virtual ~Prompt() = default;

    // A warning box with one OK button.
    virtual void warning(const QString& caption, const QString& text) = 0;
    // A warning box with OK and Cancel; Cancel is the default button.
    virtual Answer confirm(const QString& caption, const QString& text) = 0;
    // File dialogs: an empty string when the user cancels.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter) = 0;
};

// The real boxes and dialogs of the desktop.
class DialogPrompt final : public Prompt {
public:
    void warning(const QString& caption, const QString& text) override;
    Answer confirm(const QString& caption, const QString& text) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
};

// The prompt the program uses unless a test put another in place.
Prompt& prompt();
// Replaces the program's prompt; null restores the dialogs. Not owned.
void setPrompt(Prompt* replacement);
