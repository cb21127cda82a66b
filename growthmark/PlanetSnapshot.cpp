#include "PlanetSnapshot.h"

#include "platform/core/Convert.h"

namespace {

enum class FieldKind { Text, Number };

struct Field {
    const char* key;
    FieldKind kind;
    CString PlanetSnapshot::*text;
    double PlanetSnapshot::*number;
};

constexpr Field text(const char* key, CString PlanetSnapshot::*member) { return {key, FieldKind::Text, member, nullptr}; }
constexpr Field number(const char* key, double PlanetSnapshot::*member) { return {key, FieldKind::Number, nullptr, member}; }

// The order in which a planet event is read; a missing key stops the copy where it is.
const Field kEventOrder[] = {
    text("Turn", &PlanetSnapshot::turn),
    text("Name", &PlanetSnapshot::name),
    text("Num", &PlanetSnapshot::number),
    number("Size", &PlanetSnapshot::size),
    number("Population", &PlanetSnapshot::population),
    number("Industry", &PlanetSnapshot::industry),
    number("Resource", &PlanetSnapshot::resources),
    number("MAT", &PlanetSnapshot::materials),
    number("COL", &PlanetSnapshot::colonists),
    number("CAP", &PlanetSnapshot::capital),
    text("Production", &PlanetSnapshot::production),
    number("Productivity", &PlanetSnapshot::productivity),
};

// The order in which the host's record replaces the fields.
const Field kRecordOrder[] = {
    text("Turn", &PlanetSnapshot::turn),
    text("Name", &PlanetSnapshot::name),
    text("Num", &PlanetSnapshot::number),
    number("Size", &PlanetSnapshot::size),
    number("Population", &PlanetSnapshot::population),
    number("Industry", &PlanetSnapshot::industry),
    number("Resource", &PlanetSnapshot::resources),
    number("MAT", &PlanetSnapshot::materials),
    number("COL", &PlanetSnapshot::colonists),
    number("CAP", &PlanetSnapshot::capital),
    number("Productivity", &PlanetSnapshot::productivity),
    text("Production", &PlanetSnapshot::production),
};

void store(PlanetSnapshot& snapshot, const Field& field, const CString& value)
{
    if (field.kind == FieldKind::Text)
        snapshot.*field.text = value;
    else
        snapshot.*field.number = platform::AtoF(value);
}

} // namespace

void PlanetSnapshot::TakePlanetEvent(const CMapStringToString& map)
{
    if (!map.PLookup("GameName") || !map.PLookup("Owner"))
        return;
    for (const Field& field : kEventOrder) {
        const CString* value = map.PLookup(field.key);
        if (!value)
            return;
        store(*this, field, *value);
    }
}

void PlanetSnapshot::TakeHostRecord(const CMapStringToString& answer)
{
    for (const Field& field : kRecordOrder) {
        const CString* value = answer.PLookup(field.key);
        store(*this, field, value ? *value : CString());
    }
}
