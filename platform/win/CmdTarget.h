// The base of every object that can receive commands: windows, documents, applications.
#pragma once

#include "../core/Object.h"

class PLATFORM_API CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
    // Routes a command (a menu or accelerator id); TRUE when this target handled it.
    virtual BOOL OnCmdMsg(UINT id, int code, void* extra, void* handlerInfo);
};
