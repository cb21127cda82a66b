#include "Object.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

std::vector<const CRuntimeClass*>& registry()
{
    static std::vector<const CRuntimeClass*> classes;
    return classes;
}

} // namespace

const CRuntimeClass CObject::classCObject = {"CObject", nullptr, nullptr};
static const CRuntimeClassRegistration registrationCObject(&CObject::classCObject);

const CRuntimeClass* CObject::GetRuntimeClass() const { return &classCObject; }

CObject* CRuntimeClass::CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const
{
    for (auto* rtc = this; rtc; rtc = rtc->m_pBaseClass)
        if (rtc == base)
            return TRUE;
    return FALSE;
}

const CRuntimeClass* CRuntimeClass::FromName(const char* className)
{
    if (!className)
        return nullptr;
    // Newest first, so that a class loaded later shadows an older one of the same name.
    auto& classes = registry();
    auto hit = std::find_if(classes.rbegin(), classes.rend(),
                            [&](const CRuntimeClass* rtc) { return std::strcmp(rtc->m_lpszClassName, className) == 0; });
    return hit == classes.rend() ? nullptr : *hit;
}

CObject* CRuntimeClass::CreateObject(const char* className)
{
    const CRuntimeClass* rtc = FromName(className);
    return rtc ? rtc->CreateObject() : nullptr;
}

void CRuntimeClass::Register(const CRuntimeClass* rtc) { registry().push_back(rtc); }

void CRuntimeClass::Unregister(const CRuntimeClass* rtc) { std::erase(registry(), rtc); }
