#include "common/prompt.h"

#include <QFileDialog>
#include <QMessageBox>

void DialogPrompt::warning(const QString& caption, const QString& text) {
    QMessageBox::warning(nullptr, caption, text, QMessageBox::Ok);
}

Prompt::Answer DialogPrompt::confirm(const QString& caption, const QString& text) {
    const auto button = QMessageBox::warning(
        nullptr, caption, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
    return button == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

QString DialogPrompt::openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                   const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString DialogPrompt::saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                   const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, folder, filter);
}

namespace {
Prompt* replacementPrompt = nullptr;
}

Prompt& prompt() {
    static DialogPrompt dialogs;
    return replacementPrompt ? *replacementPrompt : dialogs;
}

void setPrompt(Prompt* replacement) {
    replacementPrompt = replacement;
}
