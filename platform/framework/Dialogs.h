// Everything of the framework's dialog half that programs use: dialogs and their templates and
// resources, data exchange, the controls and message boxes.
#pragma once

#include "Button.h"
#include "CheckListBox.h"
#include "ComboBox.h"
#include "ControlTypes.h"
#include "DataExchange.h"
#include "Dialog.h"
#include "DialogTemplate.h"
#include "Edit.h"
#include "ListBox.h"
#include "MessageBox.h"
#include "ResourceTable.h"
#include "SpinButtonCtrl.h"
#include "Static.h"
#include "TreeCtrl.h"
