#include "colour/conversions.h"

namespace tincta {

namespace {

constexpr char16_t space = u' ';

// Only the blank (code 32) counts as padding around a typed or stored value.
QStringView trimSpaces(QStringView text) {
    while (!text.isEmpty() && text.front() == space) {
        text = text.mid(1);
    }
    while (!text.isEmpty() && text.back() == space) {
        text.chop(1);
    }
    return text;
}

bool isDecimalDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// 0..15 for "0".."9", "A".."F" and "a".."f"; -1 otherwise. Only ASCII letters count, so no
// character whose upper case is longer than one letter (the ligature U+FB00) can pass.
int hexDigitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') {
        return u - u'0';
    }
    if (u >= u'A' && u <= u'F') {
        return u - u'A' + 10;
    }
    if (u >= u'a' && u <= u'f') {
        return u - u'a' + 10;
    }
    return -1;
}

constexpr char upperDigits[] = "0123456789ABCDEF";
constexpr char lowerDigits[] = "0123456789abcdef";

} // namespace

QString stripLeadingZeros(QStringView text) {
    while (text.size() > 1 && text.front() == u'0') {
        text = text.mid(1);
    }
    return text.toString();
}

int parseDecimalChannel(QStringView text) {
    text = trimSpaces(text);
    if (text.isEmpty()) {
        return -1;
    }
    while (text.size() > 1 && text.front() == u'0') {
        text = text.mid(1);
    }
    // After the zeros are gone a valid value has at most three digits, so any length is safe.
    if (text.size() > 3) {
        return -1;
    }
    int value = 0;
    for (const QChar c : text) {
        if (!isDecimalDigit(c)) {
            return -1;
        }
        value = value * 10 + (c.unicode() - u'0');
    }
    return value <= 255 ? value : -1;
}

QString normaliseHexPair(QStringView text) {
    text = trimSpaces(text);
    if (text.size() != 2) {
        return QStringLiteral("-1");
    }
    const int high = hexDigitValue(text[0]);
    const int low = hexDigitValue(text[1]);
    if (high < 0 || low < 0) {
        return QStringLiteral("-1");
    }
    QString pair;
    pair.reserve(2);
    appendHexPair(pair, high * 16 + low);
    return pair;
}

int hexPairValue(QStringView pair) {
    if (pair.size() != 2) {
        return -1;
    }
    const int high = hexDigitValue(pair[0]);
    const int low = hexDigitValue(pair[1]);
    if (high < 0 || low < 0) {
        return -1;
    }
    return high * 16 + low;
}

void appendHexPair(QString& out, int value, HexCase letterCase) {
    const char* digits = letterCase == HexCase::Upper ? upperDigits : lowerDigits;
    const auto byte = static_cast<unsigned>(value) & 0xFFu;
    out.append(QLatin1Char(digits[byte >> 4]));
    out.append(QLatin1Char(digits[byte & 0xFu]));
}

QString hexTriplet(const Colour& colour) {
    QString text;
    text.reserve(7);
    text.append(QLatin1Char('#'));
    for (const int channel : {colour.red, colour.green, colour.blue}) {
        appendHexPair(text, channel);
    }
    return text;
}

std::optional<Colour> colourFromHex(QStringView text) {
    constexpr qsizetype hexLength = 7;
    if (text.size() != hexLength || !text.startsWith(u'#')) {
        return std::nullopt;
    }
    Colour colour;
    int* channels[] = {&colour.red, &colour.green, &colour.blue};
    for (int i = 0; i < 3; ++i) {
        *channels[i] = hexPairValue(text.sliced(1 + 2 * i, 2));
        if (*channels[i] < 0) {
            return std::nullopt;
        }
    }
    return colour;
}

void appendDecimal(QString& out, long long value) {
    char buffer[24];
    int length = 0;
    const bool negative = value < 0;
    // Work in unsigned arithmetic so that the smallest long long has a magnitude too.
    unsigned long long magnitude = negative ? 0ull - static_cast<unsigned long long>(value)
                                            : static_cast<unsigned long long>(value);
    do {
        buffer[length++] = static_cast<char>('0' + magnitude % 10u);
        magnitude /= 10u;
    } while (magnitude != 0u);
    if (negative) {
        out.append(QLatin1Char('-'));
    }
    while (length > 0) {
        out.append(QLatin1Char(buffer[--length]));
    }
}

} // namespace tincta
