// A register written out as rows, for comparing registers in tests and in the fuzz target.
#pragma once

#include <string>
#include <vector>

#include "allyledger/register/PactRegister.h"

namespace allyledger::pacts::testing {

// One row per period: owner, race, From, Till (unsigned decimal), conditions. An owner with no
// race gives the row {owner}; a race with no period gives {owner, race}. Rows come in the
// register's order: owners, their races, their periods.
using Row = std::vector<std::string>;

enum class Empties { Keep, Drop };

inline std::vector<Row> DumpRegister(const CPactRegister& pactRegister, Empties empties = Empties::Keep)
{
    std::vector<Row> rows;
    pactRegister.GetOwners().ForEach([&](const CString& owner, CObject* object) {
        const auto* racePacts = static_cast<const CRacePacts*>(object);
        if (racePacts->IsEmpty() && empties == Empties::Keep)
            rows.push_back({owner.str()});
        racePacts->ForEach([&](const CString& race, CObject* pactObject) {
            const auto* pact = static_cast<const CPact*>(pactObject);
            if (pact->GetCount() == 0 && empties == Empties::Keep)
                rows.push_back({owner.str(), race.str()});
            for (int k = 0; k < pact->GetCount(); ++k) {
                const PactPeriod period = pact->GetPeriod(k);
                rows.push_back({owner.str(), race.str(), std::to_string(period.from), std::to_string(period.till),
                                period.conditions.str()});
            }
        });
    });
    return rows;
}

} // namespace allyledger::pacts::testing
