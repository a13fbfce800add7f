#include "settings/iniastext.h"

#include <QIODevice>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <iterator>
#include <optional>
#include <span>
#include <utility>

namespace {

bool isSpace(char character)
{
    return character == ' ' || character == '\t' || character == '\r' || character == '\n';
}

bool isHexDigit(char16_t character)
{
    return (character >= '0' && character <= '9') || (character >= 'a' && character <= 'f') ||
           (character >= 'A' && character <= 'F');
}

int hexValue(char digit)
{
    return digit <= '9' ? digit - '0' : (digit | 0x20) - 'a' + 10;
}

// One entry of the file as Qt splits it: a quoted text or an escaped line break goes on to the
// next line, and a ";" outside quotes starts a comment.
struct Line
{
    qsizetype start = 0;
    qsizetype end = 0;
    qsizetype equals = -1; // the first "=" outside quotes
};

bool nextLine(QByteArrayView data, qsizetype &position, Line &line)
{
    const qsizetype size = data.size();
    bool inQuotes = false;
    line.equals = -1;
    line.start = position;
    while (line.start < size && isSpace(data[line.start])) {
        ++line.start;
    }
    qsizetype index = line.start;
    while (index < size) {
        const char character = data[index++];
        if (character == '=') {
            if (!inQuotes && line.equals == -1) {
                line.equals = index - 1;
            }
        } else if (character == '\n' || character == '\r') {
            if (index == line.start + 1) {
                ++line.start;
            } else if (!inQuotes) {
                --index;
                break;
            }
        } else if (character == '\\') {
            if (index < size) {
                const char escaped = data[index++];
                if (index < size && ((escaped == '\n' && data[index] == '\r') ||
                                     (escaped == '\r' && data[index] == '\n'))) {
                    ++index;
                }
            }
        } else if (character == '"') {
            inQuotes = !inQuotes;
        } else if (character == ';') {
            if (index == line.start + 1) {
                while (index < size && data[index] != '\n' && data[index] != '\r') {
                    ++index;
                }
                while (index < size && isSpace(data[index])) {
                    ++index;
                }
                line.start = index;
            } else if (!inQuotes) {
                --index;
                break;
            }
        }
    }
    position = index;
    line.end = index;
    return line.end > line.start;
}

// "\" stands for "/", "%XX" and "%UXXXX" for any other character.
QString unescapedKey(QByteArrayView key)
{
    const QString decoded = QString::fromUtf8(key);
    QString result;
    qsizetype index = 0;
    while (index < decoded.size()) {
        const QChar character = decoded[index];
        if (character == u'\\') {
            result += u'/';
            ++index;
            continue;
        }
        const qsizetype first =
            index + (index + 1 < decoded.size() && decoded[index + 1] == u'U' ? 2 : 1);
        const qsizetype digits = first == index + 2 ? 4 : 2;
        bool number = false;
        ushort code = 0;
        if (character == u'%' && first + digits <= decoded.size()) {
            code = QStringView(decoded).sliced(first, digits).toUShort(&number, 16);
        }
        if (!number) {
            result += character;
            ++index;
            continue;
        }
        result += QChar(code);
        index = first + digits;
    }
    return result;
}

// As QSettings names keys to its users: no empty parts between slashes.
QString normalizedKey(const QString &key)
{
    return key.split(u'/', Qt::SkipEmptyParts).join(u'/');
}

QByteArray escapedKey(const QString &key)
{
    QByteArray result;
    for (const QChar character : key) {
        const char16_t code = character.unicode();
        if (code == u'/') {
            result += '\\';
        } else if ((code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z') ||
                   (code >= '0' && code <= '9') || code == '_' || code == '-' || code == '.') {
            result += char(code);
        } else if (code <= 0xFF) {
            result += '%' + QByteArray::number(code, 16).toUpper().rightJustified(2, '0');
        } else {
            result += "%U" + QByteArray::number(code, 16).toUpper().rightJustified(4, '0');
        }
    }
    return result;
}

// C's escapes of one letter, the letter and the character it stands for.
struct Escape
{
    char letter;
    char character;
};
constexpr Escape escapes[] = {{'a', '\a'},  {'b', '\b'}, {'f', '\f'}, {'n', '\n'},
                              {'r', '\r'},  {'t', '\t'}, {'v', '\v'}, {'"', '"'},
                              {'\\', '\\'}, {'?', '?'},  {'\'', '\''}};
// Qt reads the last two, and writes their characters as they are.
constexpr std::span<const Escape> writtenEscapes{escapes, std::size(escapes) - 2};

// A value's text: quotes, C escapes, and UTF-8 elsewhere; spaces around it are dropped unless
// quoted or escaped. Nothing when it is a list of several texts, separated by commas.
std::optional<QString> unescapedValue(QByteArrayView value)
{
    const qsizetype size = value.size();
    // A value may begin with what looks like a byte-order mark: it is a character there.
    QStringDecoder fromUtf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString current;
    bool inQuotes = false;
    bool quoted = false;
    qsizetype index = 0;
    qsizetype keptUpTo = 0;
    const auto skipSpaces = [&] {
        while (index < size && (value[index] == ' ' || value[index] == '\t')) {
            ++index;
        }
        keptUpTo = current.size();
    };
    const auto chopSpaces = [&] {
        qsizetype length = current.size();
        while (length > keptUpTo && (current[length - 1] == u' ' || current[length - 1] == u'\t')) {
            --length;
        }
        current.truncate(length);
    };
    skipSpaces();
    while (index < size) {
        const char character = value[index];
        if (character == '\\') {
            if (++index >= size) {
                break;
            }
            const char escaped = value[index++];
            const auto simple = std::ranges::find(escapes, escaped, &Escape::letter);
            const bool hex = escaped == 'x' && index < size && isHexDigit(value[index]);
            const bool octal = escaped >= '0' && escaped <= '7';
            if (simple != std::end(escapes)) {
                current += QLatin1Char(simple->character);
            } else if (hex || octal) {
                char16_t code = octal ? escaped - '0' : 0;
                while (index < size && (hex ? isHexDigit(value[index])
                                            : value[index] >= '0' && value[index] <= '7')) {
                    const char digit = value[index++];
                    code = hex ? char16_t(code << 4 | hexValue(digit))
                               : char16_t(code << 3 | (digit - '0'));
                }
                current += QChar(code);
            } else if ((escaped == '\n' || escaped == '\r') && index < size &&
                       (value[index] == '\n' || value[index] == '\r') && value[index] != escaped) {
                ++index;
            }
            keptUpTo = current.size();
        } else if (character == '"') {
            ++index;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipSpaces();
            }
        } else if (character == ',' && !inQuotes) {
            return std::nullopt;
        } else {
            qsizetype end = index + 1;
            while (end < size && value[end] != '\\' && value[end] != '"' && value[end] != ',') {
                ++end;
            }
            current += fromUtf8(value.sliced(index, end - index));
            index = end;
        }
    }
    if (!quoted) {
        chopSpaces();
    }
    return current;
}

// Text stays text; what Qt would have made an object or a list of is kept as it stands in the
// file, and so written back.
QVariant valueAsText(QByteArrayView value)
{
    if (const std::optional<QString> text = unescapedValue(value)) {
        if (!text->startsWith(u'@')) {
            return *text;
        }
        if (text->startsWith(u"@@")) {
            return text->sliced(1);
        }
        if (text->startsWith(u"@String(") && text->endsWith(u')')) {
            return text->sliced(8).chopped(1);
        }
    }
    const QByteArrayView raw = value.trimmed();
    // Written back, it must end where it ends now: a quote or an escape left open at the end of
    // the file would take in the line after it.
    const QByteArray followed = raw.toByteArray() + "\nx=";
    qsizetype position = 0;
    Line line;
    nextLine(followed, position, line);
    if (line.end != raw.size()) {
        return QString::fromUtf8(raw);
    }
    return raw.toByteArray();
}

QByteArray escapedText(QString text)
{
    if (text.contains(QChar::Null)) {
        text = QStringLiteral("@String(") + text + u')';
    } else if (text.startsWith(u'@')) {
        text.prepend(u'@');
    }
    QStringEncoder toUtf8(QStringEncoder::Utf8);
    QByteArray result;
    bool needsQuotes = false;
    bool escapeNextIfHexDigit = false;
    for (qsizetype index = 0; index < text.size(); ++index) {
        const QChar character = text[index];
        const char16_t code = character.unicode();
        // Half a surrogate pair has no UTF-8: it is written as the number it is.
        const bool unpaired =
            (character.isHighSurrogate() &&
             (index + 1 == text.size() || !text[index + 1].isLowSurrogate())) ||
            (character.isLowSurrogate() && (index == 0 || !text[index - 1].isHighSurrogate()));
        needsQuotes = needsQuotes || code == ';' || code == ',' || code == '=';
        if (escapeNextIfHexDigit && isHexDigit(code)) {
            result += "\\x" + QByteArray::number(code, 16);
            continue;
        }
        escapeNextIfHexDigit = false;
        const auto escape = std::ranges::find(writtenEscapes, code, &Escape::character);
        if (code == 0) {
            result += "\\0";
            escapeNextIfHexDigit = true;
        } else if (escape != writtenEscapes.end()) {
            result += '\\';
            result += escape->letter;
        } else if (code <= 0x1F || unpaired) {
            result += "\\x" + QByteArray::number(code, 16);
            escapeNextIfHexDigit = true;
        } else {
            result += toUtf8(QStringView(&character, 1));
        }
    }
    if (needsQuotes || result.startsWith(' ') || result.endsWith(' ')) {
        result = '"' + result + '"';
    }
    return result;
}

} // namespace

namespace iniAsText {

bool read(QIODevice &device, QSettings::SettingsMap &map)
{
    const QByteArray content = device.readAll();
    QByteArrayView data(content);
    if (data.startsWith("\xEF\xBB\xBF")) {
        data = data.sliced(3);
    }
    bool wellFormed = true;
    QString section;
    qsizetype position = 0;
    Line line;
    while (nextLine(data, position, line)) {
        const QByteArrayView text = data.sliced(line.start, line.end - line.start);
        if (text.startsWith('[')) {
            qsizetype close = text.indexOf(']');
            if (close < 0) {
                wellFormed = false;
                close = text.size();
            }
            const QByteArrayView name = text.sliced(1, close - 1).trimmed();
            // "[]" too, which no file can name otherwise.
            if (name.isEmpty() || QLatin1StringView(name).compare(QLatin1StringView("general"),
                                                                  Qt::CaseInsensitive) == 0) {
                section.clear();
            } else {
                const bool escapedGeneral =
                    QLatin1StringView(name).compare(QLatin1StringView("%general"),
                                                    Qt::CaseInsensitive) == 0;
                section =
                    (escapedGeneral ? QString::fromLatin1(name.sliced(1)) : unescapedKey(name)) +
                    u'/';
            }
        } else if (line.equals < 0) {
            wellFormed = wellFormed && text.startsWith(';');
        } else {
            const QByteArrayView key = data.sliced(line.start, line.equals - line.start).trimmed();
            map.insert(normalizedKey(section + unescapedKey(key)),
                       valueAsText(data.sliced(line.equals + 1, line.end - line.equals - 1)));
        }
    }
    return wellFormed;
}

bool write(QIODevice &device, const QSettings::SettingsMap &map)
{
#ifdef Q_OS_WIN
    const QByteArray endOfLine = "\r\n";
#else
    const QByteArray endOfLine = "\n";
#endif
    QMap<QString, QList<std::pair<QString, QVariant>>> sections;
    for (auto entry = map.cbegin(); entry != map.cend(); ++entry) {
        const qsizetype slash = entry.key().indexOf(u'/');
        sections[slash < 0 ? QString() : entry.key().left(slash)].append(
            {entry.key().sliced(slash + 1), entry.value()});
    }
    QByteArray content;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        QByteArray header = escapedKey(section.key());
        if (header.isEmpty()) {
            header = "[General]";
        } else if (header.compare("general", Qt::CaseInsensitive) == 0) {
            header = "[%" + header + ']';
        } else {
            header = '[' + header + ']';
        }
        content += (content.isEmpty() ? QByteArray() : endOfLine) + header + endOfLine;
        for (const auto &[key, value] : section.value()) {
            content +=
                escapedKey(key) + '=' +
                (value.metaType().id() == QMetaType::QByteArray ? value.toByteArray()
                                                                : escapedText(value.toString())) +
                endOfLine;
        }
    }
    return device.write(content) == content.size();
}

} // namespace iniAsText

QSettings::Format iniAsTextFormat()
{
    // Case-sensitive: told to ignore case, QSettings hands the writer every key in lower case.
    static const QSettings::Format format = QSettings::registerFormat(
        QStringLiteral("ini"), iniAsText::read, iniAsText::write, Qt::CaseSensitive);
    return format;
}
