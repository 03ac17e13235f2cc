#include "settings/ini_text.h"

#include <QDataStream>
#include <QIODevice>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringEncoder>
#include <QStringList>

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr char kEndOfLine = '\n';

bool isHexDigit(char16_t character) {
    return (character >= '0' && character <= '9') || (character >= 'a' && character <= 'f') ||
           (character >= 'A' && character <= 'F');
}

void appendEscapedKey(const QString& key, QByteArray& result) {
    for (const QChar character : key) {
        char16_t code = character.unicode();
        if (code == '/') {
            result += '\\';
        } else if ((code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z') ||
                   (code >= '0' && code <= '9') || code == '_' || code == '-' || code == '.') {
            result += static_cast<char>(code);
        } else if (code <= 0xFF) {
            result += '%';
            result += kHexDigits[code / 16];
            result += kHexDigits[code % 16];
        } else {
            result += "%U";
            char digits[4];
            for (int i = 3; i >= 0; --i) {
                digits[i] = kHexDigits[code % 16];
                code = static_cast<char16_t>(code / 16);
            }
            result.append(digits, 4);
        }
    }
}

QByteArray hexEscape(char16_t code) {
    return "\\x" + QByteArray::number(code, 16);
}

// The library writes the serialised forms (@ByteArray, @Variant) byte by
// byte, escaping everything outside printable ASCII; all other text goes out
// as UTF-8.
void appendEscapedText(const QString& text, QByteArray& result) {
    const bool isUtf8 = !(text.startsWith(QLatin1String("@ByteArray(")) ||
                          text.startsWith(QLatin1String("@Variant(")) ||
                          text.startsWith(QLatin1String("@DateTime(")));
    const qsizetype start = result.size();
    bool needsQuotes = false;
    // After a numeric escape a following hex digit would read as part of it.
    bool escapeNextIfHexDigit = false;
    QStringEncoder toUtf8(QStringEncoder::Utf8);

    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t code = text.at(i).unicode();
        if (code == ';' || code == ',' || code == '=') needsQuotes = true;
        if (escapeNextIfHexDigit && isHexDigit(code)) {
            result += hexEscape(code);
            continue;
        }
        escapeNextIfHexDigit = false;
        switch (code) {
            case '\0':
                result += "\\0";
                escapeNextIfHexDigit = true;
                break;
            case '\a':
                result += "\\a";
                break;
            case '\b':
                result += "\\b";
                break;
            case '\f':
                result += "\\f";
                break;
            case '\n':
                result += "\\n";
                break;
            case '\r':
                result += "\\r";
                break;
            case '\t':
                result += "\\t";
                break;
            case '\v':
                result += "\\v";
                break;
            case '"':
            case '\\':
                result += '\\';
                result += static_cast<char>(code);
                break;
            default:
                if (code <= 0x1F || (code >= 0x7F && !isUtf8)) {
                    result += hexEscape(code);
                    escapeNextIfHexDigit = true;
                } else if (isUtf8) {
                    // One unit at a time, as the library does: the encoder
                    // keeps a high surrogate until its partner comes.
                    result += QByteArray(toUtf8(QStringView(text).mid(i, 1)));
                } else {
                    result += static_cast<char>(code);
                }
        }
    }

    if (needsQuotes || (start < result.size() &&
                        (result.at(start) == ' ' || result.at(result.size() - 1) == ' '))) {
        result.insert(start, '"');
        result += '"';
    }
}

QString serialised(const char* prefix, const QVariant& value, QDataStream::Version version) {
    QByteArray bytes;
    {
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream.setVersion(version);
        stream << value;
    }
    return QLatin1String(prefix) + QLatin1String(bytes.constData(), bytes.size()) + u')';
}

QString valueText(const QVariant& value) {
    switch (value.metaType().id()) {
        case QMetaType::UnknownType:
            return QStringLiteral("@Invalid()");
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            return "@ByteArray(" + QLatin1String(bytes.constData(), bytes.size()) + u')';
        }
        case QMetaType::QKeySequence:
        case QMetaType::QString:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Bool:
        case QMetaType::Float:
        case QMetaType::Double: {
            QString text = value.toString();
            if (text.contains(QChar::Null))
                text = "@String(" + text + u')';
            else if (text.startsWith(u'@'))
                text.prepend(u'@');
            return text;
        }
        case QMetaType::QRect: {
            const QRect rect = value.toRect();
            return QString::asprintf("@Rect(%d %d %d %d)", rect.x(), rect.y(), rect.width(),
                                     rect.height());
        }
        case QMetaType::QSize: {
            const QSize size = value.toSize();
            return QString::asprintf("@Size(%d %d)", size.width(), size.height());
        }
        case QMetaType::QPoint: {
            const QPoint point = value.toPoint();
            return QString::asprintf("@Point(%d %d)", point.x(), point.y());
        }
        case QMetaType::QDateTime:
            return serialised("@DateTime(", value, QDataStream::Qt_5_6);
        default:
            return serialised("@Variant(", value, QDataStream::Qt_4_0);
    }
}

void appendValue(const QVariant& value, QByteArray& result) {
    // A one-entry list goes out whole as @Variant: the library reads a lone
    // plain entry back as a text, not a list.
    const int type = value.metaType().id();
    const bool isList = type == QMetaType::QStringList ||
                        (type == QMetaType::QVariantList && value.toList().size() != 1);
    if (!isList) {
        appendEscapedText(valueText(value), result);
        return;
    }
    const QVariantList entries = value.toList();
    if (entries.isEmpty()) {
        // Read back as an empty list.
        result += "@Invalid()";
        return;
    }
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (i != 0) result += ", ";
        appendEscapedText(valueText(entries.at(i)), result);
    }
}

}  // namespace

QString normalizedSettingsKey(const QString& key) {
    QString result;
    result.reserve(key.size());
    for (const QChar character : key) {
        if (character == u'/' && (result.isEmpty() || result.endsWith(u'/'))) continue;
        result += character;
    }
    if (result.endsWith(u'/')) result.chop(1);
    return result;
}

QByteArray iniText(const SettingsMap& keys) {
    // Group, then name within the group, both in ascending order.
    QMap<QString, SettingsMap> sections;
    for (auto key = keys.cbegin(); key != keys.cend(); ++key) {
        const qsizetype slash = key.key().indexOf(u'/');
        const QString group = slash < 0 ? QString() : key.key().left(slash);
        const QString name = slash < 0 ? key.key() : key.key().mid(slash + 1);
        sections[group].insert(name, key.value());
    }

    QByteArray text;
    bool isFirst = true;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        QByteArray header;
        appendEscapedKey(section.key(), header);
        if (header.isEmpty())
            header = "[General]";
        else if (header.compare("general", Qt::CaseInsensitive) == 0)
            header = "[%General]";  // a group named General, not the keys without one
        else
            header = '[' + header + ']';
        if (!isFirst) text += kEndOfLine;
        isFirst = false;
        text += header;
        text += kEndOfLine;

        for (auto entry = section->cbegin(); entry != section->cend(); ++entry) {
            appendEscapedKey(entry.key(), text);
            text += '=';
            appendValue(entry.value(), text);
            text += kEndOfLine;
        }
    }
    return text;
}
