// CCheckListBox: a list box whose items carry check boxes. The list box must be made with
// LBS_OWNERDRAWFIXED (or VARIABLE) and LBS_HASSTRINGS; the check boxes appear as soon as the
// object is attached to it. The parent hears CLBN_CHKCHANGE when the user changes a check.
#pragma once

#include "ControlState.h"
#include "ListBox.h"

class PLATFORM_API CCheckListBox : public CListBox, public platform::AttachedControl {
    DECLARE_DYNAMIC(CCheckListBox)
public:
    CCheckListBox() = default;

    // BS_CHECKBOX, BS_AUTOCHECKBOX, BS_AUTO3STATE or BS_3STATE; the automatic styles change on
    // a click on the box, a double click on the item or the space bar.
    void SetCheckStyle(UINT style);
    UINT GetCheckStyle();
    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE; GetCheck gives LB_ERR for no such item.
    void SetCheck(int index, int check);
    int GetCheck(int index);
    // A disabled item shows greyed and cannot be checked by the user.
    void Enable(int index, BOOL enabled = TRUE);
    BOOL IsEnabled(int index);

    void OnAttached() override;

private:
    UINT m_checkStyle = BS_CHECKBOX;
};
