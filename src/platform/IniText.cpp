// SPDX-License-Identifier: MIT
#include "platform/IniText.h"

#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <QList>

namespace ini {

// SimpleIni reads the file, but its Save rebuilds the text: it drops lines
// without "=", comments at the end, spacing around "=" and the first of
// duplicate keys. So a change is made on the text itself, line by line, by
// the same rules SimpleIni reads it with; a test holds the two together.
namespace {

const QByteArray Bom("\xEF\xBB\xBF");

bool isSpace(char c)
{
    return c == ' ' || c == '\t';
}

QByteArray lower(const QByteArray &name)
{
    QByteArray result = name;
    for (char &c : result) {
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return result;
}

// One line of the text: [start, start + length) without its line break,
// which is "\r\n", "\n", a lone "\r" or nothing at the end of the text.
struct Line {
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype breakLength = 0;
};

QList<Line> splitLines(const QByteArray &text)
{
    QList<Line> lines;
    qsizetype start = text.startsWith(Bom) ? Bom.size() : 0;
    const qsizetype size = text.size();
    while (start < size) {
        Line line{start, 0, 0};
        qsizetype end = start;
        while (end < size && text[end] != '\n' && text[end] != '\r')
            ++end;
        line.length = end - start;
        if (end < size)
            line.breakLength = (text[end] == '\r' && end + 1 < size && text[end + 1] == '\n') ? 2 : 1;
        lines.append(line);
        start = end + line.breakLength;
    }
    return lines;
}

enum class Kind { Other, Section, Key };

struct Parsed {
    Kind kind = Kind::Other;
    QByteArray name;            // section or key, trimmed, lower case
    qsizetype valueStart = 0;   // for a key: offset in the text of its value
};

Parsed parse(const QByteArray &text, const Line &line)
{
    const QByteArray content = text.mid(line.start, line.length);
    Parsed result;
    qsizetype i = 0;
    while (i < content.size() && isSpace(content[i]))
        ++i;
    if (i == content.size() || content[i] == ';' || content[i] == '#')
        return result;
    if (content[i] == '[') {
        const qsizetype close = content.indexOf(']', i);
        result.kind = Kind::Section;
        // SimpleIni files the keys after an unclosed header under a name
        // made of the rest of the text, which no section is ever called.
        result.name = close < 0 ? QByteArrayLiteral("\n")
                                : lower(content.mid(i + 1, close - i - 1).trimmed());
        return result;
    }
    const qsizetype equals = content.indexOf('=', i);
    if (equals <= i)
        return result;
    result.kind = Kind::Key;
    result.name = lower(content.mid(i, equals - i).trimmed());
    qsizetype value = equals + 1;
    while (value < content.size() && isSpace(content[value]))
        ++value;
    result.valueStart = line.start + value;
    return result;
}

QByteArray lineBreakOf(const QByteArray &text, const QList<Line> &lines)
{
    for (const Line &line : lines) {
        if (line.breakLength)
            return text.mid(line.start + line.length, line.breakLength);
    }
    return QByteArrayLiteral("\n");
}

// Where a key's value lies; when the key is missing, the line after which
// it goes: the first matching section's last key or its header (-1: none).
struct Place {
    qsizetype valueStart = -1;
    qsizetype valueEnd = -1;
    int insertAfter = -1;
};

Place locate(const QByteArray &text, const QList<Line> &lines, const QByteArray &section,
             const QByteArray &key)
{
    Place place;
    enum { Before, InFirst, After } block = Before;
    bool inSection = false;
    for (int i = 0; i < lines.size(); ++i) {
        const Parsed line = parse(text, lines[i]);
        if (line.kind == Kind::Section) {
            inSection = line.name == section;
            block = block == InFirst ? After : block;
            if (inSection && block == Before) {
                block = InFirst;
                place.insertAfter = i;
            }
        } else if (inSection && line.kind == Kind::Key) {
            // A repeated section's keys join the first one's, as SimpleIni
            // reads them; a new key goes into the first.
            if (line.name == key) {
                place.valueStart = line.valueStart;
                place.valueEnd = lines[i].start + lines[i].length;
                return place;
            }
            if (block == InFirst)
                place.insertAfter = i;
        }
    }
    return place;
}

QByteArray withNewLine(const QByteArray &text, const QList<Line> &lines, int insertAfter,
                       const QByteArray &newLines)
{
    qsizetype at = text.size();
    if (insertAfter >= 0) {
        const Line &line = lines[insertAfter];
        at = line.start + line.length + line.breakLength;
    }
    // The last line may have no line break of its own yet.
    const bool needsBreak = at == text.size() && !text.isEmpty() && !text.endsWith('\n')
                            && !text.endsWith('\r');
    return text.left(at) + (needsBreak ? lineBreakOf(text, lines) : QByteArray()) + newLines
           + text.mid(at);
}

} // namespace

QByteArray value(const QByteArray &text, const QByteArray &section, const QByteArray &key,
                 bool *found)
{
    // SimpleIni stops at a NUL byte; what follows one must still be read.
    QByteArray data = text;
    data.replace('\0', ' ');
    CSimpleIniA reader(false, true);
    const char *result = nullptr;
    if (reader.LoadData(data.constData(), size_t(data.size())) >= 0)
        result = reader.GetValue(section.constData(), key.constData(), nullptr);
    if (found)
        *found = result != nullptr;
    return result ? QByteArray(result) : QByteArray();
}

QByteArray withValue(const QByteArray &text, const QByteArray &section, const QByteArray &key,
                     const QByteArray &value)
{
    const QList<Line> lines = splitLines(text);
    const Place place = locate(text, lines, lower(section), lower(key));
    if (place.valueStart >= 0)
        return text.left(place.valueStart) + value + text.mid(place.valueEnd);
    const QByteArray lineBreak = lineBreakOf(text, lines);
    QByteArray added = key + '=' + value + lineBreak;
    if (place.insertAfter < 0)
        added.prepend('[' + section + ']' + lineBreak);
    return withNewLine(text, lines, place.insertAfter, added);
}

} // namespace ini
