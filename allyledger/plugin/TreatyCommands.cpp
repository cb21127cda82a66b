// The menu commands: "Sign treaty" and "Break treaty" in three host views, and "Pact warnings".
#include "AllyledgerApp.h"
#include "TreatyUi.h"
#include "platform/core/Convert.h"

namespace {

constexpr const char* kBreakQuestion = "Are you sure you want to break treaty with %d race(s)?";

} // namespace

void CAllyledgerApp::OnUserCommand(CMapStringToString& map)
{
    if (!TakeGameAndRace(map))
        return;
    CString turn, command, view;
    if (!map.Lookup("Turn", turn) || !map.Lookup("Command", command) || !map.Lookup("SID", view))
        return;
    CurrentTurn = platform::AtoI(turn);
    if (command == "Pact warnings") {
        WarnShowAll = Settings.ShowAll > allyledger::ShowNever;
        WarnShowConditions = Settings.ShowInfo > allyledger::ShowNever;
        OpenWarnings();
        return;
    }
    CommandTargets targets;
    if (!FindTargets(view, targets))
        return;
    if (command == "Sign treaty" && !SignTreaty(targets))
        return;
    if (command == "Break treaty" && !BreakTreaties(targets))
        return;
    FinishCommand();
}

void CAllyledgerApp::SelectionOf(const char* view, const char* column, CMapStringToString& answer)
{
    CStringList parameters;
    parameters.AddTail(view);
    parameters.AddTail(column);
    CallHost(CurrentGame, CurrentRace, uint32_t(CurrentTurn), "Selection", parameters, answer);
}

bool CAllyledgerApp::FindTargets(const CString& view, CommandTargets& targets)
{
    CMapStringToString& answer = targets.answer;
    CString count;
    if (view == "51467") {
        SelectionOf("51467", "Name", answer);
        if (!answer.Lookup("Count", count))
            return false;
        targets.count = platform::AtoI(count);
        answer.Lookup("1", targets.first);
        return true;
    }
    if (view == "1") {
        if (CurrentOwner != PlanetOwnerKey)
            return false;
        targets.count = 1;
        targets.first = PlanetOwner;
        answer["1"] = PlanetOwner;
        return true;
    }
    if (view == "51691") {
        SelectionOf("51691", "From", answer);
        if (!answer.Lookup("Count", count) || count != "1")
            return false;
        targets.count = 1;
        answer.Lookup("1", targets.first);
        if (targets.first == CurrentRace) {
            // The user's own row: the treaty is with the race it was written to.
            SelectionOf("51691", "To", answer);
            targets.first.Empty();
            answer.Lookup("1", targets.first);
        }
        return true;
    }
    return false;
}

bool CAllyledgerApp::SignTreaty(CommandTargets& targets)
{
    allyledger::SignTerms terms;
    terms.race = targets.first;
    terms.conditions = Register.GetConditions(CurrentOwner, targets.first, CurrentTurn);
    if (!Ui || !Ui->SignTreaty(*this, CurrentGame, CurrentTurn, terms))
        return false;
    Register.AddPact(CurrentOwner, terms.race, terms.from, terms.till, terms.conditions);
    if (Settings.DeclarePeaceOnSign) {
        CStringList parameters;
        parameters.AddTail("DeclarePeace");
        parameters.AddTail(terms.race);
        Tell("Add", parameters);
    }
    return true;
}

bool CAllyledgerApp::BreakTreaties(CommandTargets& targets)
{
    CString question;
    question.Format(kBreakQuestion, targets.count);
    if (!Ui || !Ui->ConfirmBreak(question))
        return false;
    CStringList races;
    for (int i = 1; i <= targets.count; ++i) {
        CString race;
        // A reply with a gap in its numbering names fewer races; only those named are broken.
        if (!targets.answer.Lookup(CString(std::to_string(i)), race))
            continue;
        Register.BreakPact(CurrentOwner, race, CurrentTurn);
        races.AddTail(race);
    }
    if (Settings.DeclareWarOnBreak) {
        races.AddHead("DeclareWar");
        Tell("Add", races);
    }
    return true;
}

void CAllyledgerApp::Tell(const char* function, const CStringList& parameters)
{
    CMapStringToString answer;
    CallHost(CurrentGame, CurrentRace, uint32_t(CurrentTurn), function, parameters, answer);
}

void CAllyledgerApp::RefreshRaceTable()
{
    CStringList parameters;
    parameters.AddTail("51467");
    Tell("Refresh", parameters);
}

void CAllyledgerApp::FinishCommand()
{
    RefreshRaceTable();
    Register.Save(IniPath);
    StoreConditions();
}

void CAllyledgerApp::StoreConditions()
{
    CStringArray abbreviations, texts;
    Register.ExportConditions(abbreviations, texts);
    CString name;
    name.Format("%d", abbreviations.GetSize());
    WriteRegistry("Allyledger\\Conditions", name);
    for (int i = 0; i < abbreviations.GetSize(); ++i) {
        name.Format("Allyledger\\Conditions\\%d", i);
        WriteRegistry(name, abbreviations[i]);
        WriteRegistry(name + "\\string", texts[i]);
    }
}
