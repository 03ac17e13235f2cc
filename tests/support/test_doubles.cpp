#include "test_doubles.h"

void RecordingPrompt::warning(const QString& caption, const QString& text) {
    boxes.append({caption, text});
}

Prompt::Answer RecordingPrompt::confirm(const QString& caption, const QString& text) {
    boxes.append({caption, text});
    return confirmAnswer;
}

QString RecordingPrompt::openFileName(QWidget*, const QString& caption, const QString&,
                                      const QString&) {
    dialogCaptions.append(caption);
    return fileAnswer;
}

QString RecordingPrompt::saveFileName(QWidget*, const QString& caption, const QString&,
                                      const QString&) {
    dialogCaptions.append(caption);
    return fileAnswer;
}

QString hexBytes(const uchar* bytes, int length) {
    QStringList parts;
    for (int i = 0; i < length; ++i)
        parts.append(QString::number(bytes[i], 16).rightJustified(2, '0').toUpper());
    return parts.join(' ');
}

QString hexBytes(const std::vector<uint8_t>& bytes) {
    return hexBytes(bytes.data(), int(bytes.size()));
}
