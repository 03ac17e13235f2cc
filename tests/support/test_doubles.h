#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "device/hid_thread.h"
#include "common/prompt.h"

// Answers every box and dialog without a human and records what was asked.
// Installed for its lifetime.
class RecordingPrompt final : public Prompt {
public:
    struct Box {
        QString caption;
        QString text;
    };

    RecordingPrompt() { setPrompt(this); }
    ~RecordingPrompt() override { setPrompt(nullptr); }

    void warning(const QString& caption, const QString& text) override;
    Answer confirm(const QString& caption, const QString& text) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;

    QList<Box> boxes;
    Answer confirmAnswer = Answer::Cancel;
    QString fileAnswer;  // what every file dialog returns
    QStringList dialogCaptions;
};

// The host of the device link in tests: counts close requests.
class RecordingOwner final : public DeviceLinkOwner {
public:
    QString ownerTitle() const override { return title; }
    void requestClose() override { ++closeRequests; }

    QString title = QStringLiteral("Q4 test window");
    int closeRequests = 0;
};

// Upper-case hex with blanks between bytes, for transcripts in failures.
QString hexBytes(const uchar* bytes, int length);
QString hexBytes(const std::vector<uint8_t>& bytes);
