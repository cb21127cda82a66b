// CObject and run-time class information: a class can be asked for its name and base, tested
// for derivation, and created by its name ("CGridCtrl") when it is declared creatable.
#pragma once

#include "Types.h"

class CObject;

struct PLATFORM_API CRuntimeClass {
    const char* m_lpszClassName;
    CObject* (*m_pfnCreateObject)();
    const CRuntimeClass* m_pBaseClass;

    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* base) const;

    // The classes declared with IMPLEMENT_DYNAMIC/IMPLEMENT_DYNCREATE in every loaded module.
    static const CRuntimeClass* FromName(const char* className);
    static CObject* CreateObject(const char* className);

    // Done by the IMPLEMENT_ macros at load time; a module that unloads takes its classes back.
    static void Register(const CRuntimeClass* rtc);
    static void Unregister(const CRuntimeClass* rtc);
};

struct PLATFORM_API CRuntimeClassRegistration {
    explicit CRuntimeClassRegistration(const CRuntimeClass* rtc) : m_class(rtc) { CRuntimeClass::Register(rtc); }
    ~CRuntimeClassRegistration() { CRuntimeClass::Unregister(m_class); }
    const CRuntimeClass* m_class;
};

class PLATFORM_API CObject {
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* rtc) const { return GetRuntimeClass()->IsDerivedFrom(rtc); }

    static const CRuntimeClass classCObject;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                                                                 \
public:                                                                                             \
    static const CRuntimeClass class##class_name;                                                   \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                               \
    DECLARE_DYNAMIC(class_name)                                                                     \
    static CObject* CreateObject();

#define IMPLEMENT_RUNTIMECLASS_(class_name, base_class_name, creator)                               \
    const CRuntimeClass class_name::class##class_name = {#class_name, creator,                      \
                                                         RUNTIME_CLASS(base_class_name)};           \
    const CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); } \
    static const CRuntimeClassRegistration registration##class_name(RUNTIME_CLASS(class_name));

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                              \
    IMPLEMENT_RUNTIMECLASS_(class_name, base_class_name, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                            \
    CObject* class_name::CreateObject() { return new class_name; }                                  \
    IMPLEMENT_RUNTIMECLASS_(class_name, base_class_name, class_name::CreateObject)
