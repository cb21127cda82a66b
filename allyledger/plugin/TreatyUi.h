// The two questions a treaty command asks the user: the terms of a new pact (the Sign treaty
// dialog) and whether to break pacts. The plug-in asks through this interface, so that the
// commands run the same with the real dialogs and with a test's answers.
#pragma once

#include "platform/core/String.h"

class CAllyledgerApp;

namespace allyledger {

struct SignTerms {
    CString race;        // in: the race offered; out: the race chosen
    int from = 0;        // out: first turn
    int till = 0;        // out: last turn, inclusive
    CString conditions;  // in: conditions of the pact in force; out: the ticked conditions
};

class TreatyUi {
public:
    virtual ~TreatyUi() = default;
    // True when the user confirmed the terms; the outputs are only written then.
    virtual bool SignTreaty(CAllyledgerApp& app, const CString& game, int turn, SignTerms& terms) = 0;
    // True when the user answered Yes.
    virtual bool ConfirmBreak(const CString& question) = 0;
};

} // namespace allyledger
