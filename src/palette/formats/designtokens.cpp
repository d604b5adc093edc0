#include "palette/formats/designtokens.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>
#include <limits>

namespace tincta {

namespace {

constexpr QLatin1StringView typeKey{"$type"};
constexpr QLatin1StringView valueKey{"$value"};
constexpr QLatin1StringView descriptionKey{"$description"};
constexpr QLatin1StringView extensionsKey{"$extensions"};
constexpr QLatin1StringView ourExtension{"io.github.tincta"};
constexpr QLatin1StringView markKey{"mark"};
constexpr QLatin1StringView colourType{"color"};
constexpr QLatin1StringView colourSpaceKey{"colorSpace"};
constexpr QLatin1StringView componentsKey{"components"};
constexpr QLatin1StringView hexKey{"hex"};
constexpr QLatin1StringView srgb{"srgb"};
constexpr QChar pathSeparator{u'.'};
constexpr double componentScale = 10000.0; // four decimals

double component(int channel) {
    return std::round(channel * componentScale / 255.0) / componentScale;
}

QJsonObject colourToken(const PaletteMark& mark, int markNumber) {
    const Colour& c = mark.colour;
    const QJsonObject value{
        {colourSpaceKey, srgb},
        {componentsKey, QJsonArray{component(c.red), component(c.green), component(c.blue)}},
        {hexKey, lowerCaseHex(c)}};
    QJsonObject token{
        {typeKey, colourType},
        {valueKey, value},
        {extensionsKey, QJsonObject{{ourExtension, QJsonObject{{markKey, markNumber}}}}}};
    if (!isPlaceholderName(mark.name) && !mark.name.isEmpty()) {
        token.insert(descriptionKey, mark.name);
    }
    return token;
}

struct FoundToken {
    QString path;
    QString key;
    QJsonObject token;
};

bool isReference(const QJsonValue& value) {
    return value.isString() && value.toString().startsWith(u'{');
}

// The colour tokens below `group` in the order of their paths (a JSON object keeps its keys
// sorted); a group's "$type" holds for everything inside it that names none of its own.
void collectColourTokens(const QJsonObject& group, const QString& inheritedType,
                         const QString& path, QList<FoundToken>& found) {
    const QString groupType = group.value(typeKey).toString(inheritedType);
    for (auto it = group.begin(); it != group.end(); ++it) {
        if (it.key().startsWith(u'$') || !it.value().isObject()) {
            continue;
        }
        const QJsonObject child = it.value().toObject();
        const QString childPath = path.isEmpty() ? it.key() : path + pathSeparator + it.key();
        if (!child.contains(valueKey)) {
            collectColourTokens(child, groupType, childPath, found);
        } else if (child.value(typeKey).toString(groupType) == colourType &&
                   !isReference(child.value(valueKey))) {
            found.append({childPath, it.key(), child});
        }
    }
}

std::optional<int> componentChannel(const QJsonValue& value) {
    const double fraction = value.toDouble(-1.0);
    if (!value.isDouble() || fraction < 0.0 || fraction > 1.0) {
        return std::nullopt;
    }
    return static_cast<int>(std::round(fraction * 255.0));
}

std::optional<Colour> colourFromComponents(const QJsonObject& value) {
    const QJsonArray components = value.value(componentsKey).toArray();
    if (value.value(colourSpaceKey).toString() != srgb || components.size() != 3) {
        return std::nullopt;
    }
    const std::optional<int> red = componentChannel(components[0]);
    const std::optional<int> green = componentChannel(components[1]);
    const std::optional<int> blue = componentChannel(components[2]);
    if (!red || !green || !blue) {
        return std::nullopt;
    }
    return Colour{*red, *green, *blue};
}

std::optional<Colour> tokenColour(const QJsonValue& value) {
    if (value.isString()) {
        return colourFromHex(value.toString());
    }
    const QJsonObject object = value.toObject();
    if (object.contains(hexKey)) {
        return colourFromHex(object.value(hexKey).toString());
    }
    return colourFromComponents(object);
}

QJsonObject ourExtensionOf(const QJsonObject& token) {
    return token.value(extensionsKey).toObject().value(ourExtension).toObject();
}

int markNumber(const QJsonObject& token) {
    const QJsonValue mark = ourExtensionOf(token).value(markKey);
    return mark.isDouble() ? mark.toInt() : std::numeric_limits<int>::max();
}

QString tokenName(const FoundToken& found) {
    const QString description = found.token.value(descriptionKey).toString();
    if (!description.isEmpty() || !ourExtensionOf(found.token).isEmpty()) {
        return importedName(description);
    }
    return found.key;
}

} // namespace

QByteArray designTokensBytes(ExportedMarks marks) {
    const QStringList identifiers = markIdentifiers(marks);
    QJsonObject tokens;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        tokens.insert(identifiers[i], colourToken(marks[i], static_cast<int>(i) + 1));
    }
    return QJsonDocument(tokens).toJson(QJsonDocument::Indented);
}

ImportResult readDesignTokens(const QByteArray& bytes) {
    if (bytes.size() > importMaxBytes) {
        return ImportResult::refused(ImportProblem::TooLarge);
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        return ImportResult::refused(ImportProblem::NotJson);
    }
    if (!document.isObject()) {
        return ImportResult::refused(ImportProblem::NotTokens);
    }
    QList<FoundToken> found;
    collectColourTokens(document.object(), QString(), QString(), found);
    std::stable_sort(found.begin(), found.end(), [](const FoundToken& a, const FoundToken& b) {
        return markNumber(a.token) < markNumber(b.token);
    });
    QList<PaletteMark> colours;
    for (const FoundToken& token : found) {
        const std::optional<Colour> colour = tokenColour(token.token.value(valueKey));
        if (!colour) {
            return ImportResult::refused(ImportProblem::UnreadableColour, 0, token.path);
        }
        colours.append({tokenName(token), *colour});
    }
    return ImportResult::ofColours(std::move(colours));
}

} // namespace tincta
