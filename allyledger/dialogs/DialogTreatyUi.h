// The treaty commands' questions put to the user: the Sign treaty dialog and a Yes/No box.
#pragma once

#include "allyledger/plugin/TreatyUi.h"

namespace allyledger {

inline constexpr const char kQuestionCaption[] = "Allyledger";

class DialogTreatyUi : public TreatyUi {
public:
    // Asks the host for the game's races, then runs the Sign treaty dialog with them.
    bool SignTreaty(CAllyledgerApp& app, const CString& game, int turn, SignTerms& terms) override;
    bool ConfirmBreak(const CString& question) override;
};

} // namespace allyledger
