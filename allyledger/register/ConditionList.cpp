// The condition dictionary in a check list: filling it, ticking a conditions string, and reading
// the ticks back as a conditions string.
#include <algorithm>
#include <vector>

#include "PactRegister.h"
#include "PactTexts.h"
#include "platform/framework/CheckListBox.h"

using allyledger::pacts::kConditionSeparator;

namespace {

// An item's data is the place of its entry in the dictionary's order, counted from 1, so that
// 0 (the data of an item added by anyone else) names no entry. The dictionary only grows and
// keeps its order, so a place stays valid for as long as the list shows it.
DWORD_PTR ItemDataOf(int place) { return DWORD_PTR(place) + 1; }

std::vector<CString> AbbreviationsOf(const CMapStringToString& dictionary)
{
    std::vector<CString> abbreviations;
    abbreviations.reserve(std::size_t(dictionary.GetCount()));
    dictionary.ForEach([&](const CString& abbreviation, const CString&) { abbreviations.push_back(abbreviation); });
    return abbreviations;
}

// The first item of the entry, or else the first item that shows its main text.
int FindItem(CCheckListBox& list, DWORD_PTR data, const CString& text)
{
    const int count = list.GetCount();
    for (int i = 0; i < count; ++i)
        if (list.GetItemData(i) == data)
            return i;
    for (int i = 0; i < count; ++i) {
        CString shown;
        list.GetText(i, shown);
        if (shown.CompareNoCase(text) == 0)
            return i;
    }
    return LB_ERR;
}

} // namespace

void CPactRegister::FillConditionList(CCheckListBox& list) const
{
    list.ResetContent();
    int place = 0;
    m_conditions.ForEach([&](const CString&, const CString& text) {
        const int index = list.AddString(text);
        if (index >= 0)
            list.SetItemData(index, ItemDataOf(place));
        ++place;
    });
}

// An abbreviation that the dictionary lacks ticks nothing; it is not taken for an empty main text,
// which would tick an item that the conditions never named.
void CPactRegister::CheckConditions(LPCTSTR conditions, CCheckListBox& list) const
{
    const int count = list.GetCount();
    for (int i = 0; i < count; ++i)
        list.SetCheck(i, BST_UNCHECKED);
    const std::vector<CString> abbreviations = AbbreviationsOf(m_conditions);
    CString rest = conditions;
    while (!rest.IsEmpty()) {
        const int separator = rest.Find(kConditionSeparator);
        const CString abbreviation = separator < 0 ? rest : rest.Left(separator);
        rest = separator < 0 ? CString() : rest.Mid(separator + 1);
        const CString* text = m_conditions.PLookup(abbreviation);
        if (!text)
            continue;
        const auto place = std::find(abbreviations.begin(), abbreviations.end(), abbreviation) - abbreviations.begin();
        const int item = FindItem(list, ItemDataOf(int(place)), *text);
        if (item != LB_ERR)
            list.SetCheck(item, BST_CHECKED);
    }
}

CString CPactRegister::GetTickedConditions(CCheckListBox& list) const
{
    const std::vector<CString> abbreviations = AbbreviationsOf(m_conditions);
    CString ticked;
    bool first = true;
    const int count = list.GetCount();
    for (int i = 0; i < count; ++i) {
        if (list.GetCheck(i) != BST_CHECKED)
            continue;
        const DWORD_PTR data = list.GetItemData(i);
        if (data == 0 || data > abbreviations.size())
            continue;
        if (!first)
            ticked += kConditionSeparator;
        ticked += abbreviations[data - 1];
        first = false;
    }
    return ticked;
}
