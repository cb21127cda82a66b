// CGdiObject: the base of pens, brushes, fonts, bitmaps and regions. A wrapper made by a Create
// call owns its object; one returned by FromHandle only names an object owned elsewhere.
#pragma once

#include <memory>

#include "../core/Object.h"
#include "GdiObjectData.h"
#include "GdiTypes.h"

class PLATFORM_API CGdiObject : public CObject {
    DECLARE_DYNAMIC(CGdiObject)
public:
    CGdiObject() = default;
    ~CGdiObject() override;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    static CGdiObject* FromHandle(HGDIOBJ handle);

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    operator HGDIOBJ() const { return m_hObject; }
    BOOL DeleteObject();
    // Copies the object's description (LOGPEN, LOGBRUSH, LOGFONT or BITMAP); the bytes copied.
    int GetObject(int count, LPVOID buffer) const;
    BOOL CreateStockObject(int index);

    HGDIOBJ m_hObject = nullptr;

    // The object behind the wrapper, or nullptr when it has none (any more).
    platform::GdiObjectData* Data() const;

protected:
    // Takes ownership of a newly made object; FALSE when the wrapper already holds one.
    BOOL Own(std::shared_ptr<platform::GdiObjectData> data);

private:
    friend class platform::GdiObjectData;
    std::shared_ptr<platform::GdiObjectData> m_data;
};
