#pragma once

#include "colour/colour.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace tincta {

// Removes leading "0" characters but always keeps the last character; blanks stay.
QString stripLeadingZeros(QStringView text);

// A typed or stored decimal channel value: 0..255, or -1 when the text is not one.
int parseDecimalChannel(QStringView text);

// A typed hex pair in upper case ("0A"), or the text "-1" when the text is not exactly one pair.
QString normaliseHexPair(QStringView text);

// Base-16 value of a pair returned by normaliseHexPair; -1 for any other text.
int hexPairValue(QStringView pair);

enum class HexCase { Upper, Lower };

// Appends the low byte of `value` as two hex digits ("0A" or "0a"), without allocating when
// `out` has room.
void appendHexPair(QString& out, int value, HexCase letterCase = HexCase::Upper);

// "#RRGGBB": "#" and the channels as upper-case hex pairs.
QString hexTriplet(const Colour& colour);

// "#" and six hex digits in either case; nullopt for any other text.
std::optional<Colour> colourFromHex(QStringView text);

// Appends `value` as decimal text without leading zeros ("0", "255", "-5").
void appendDecimal(QString& out, long long value);

} // namespace tincta
