// Run-time class information: enough for a document template to create the
// document, frame and view classes it was given, by name and by factory.
#pragma once

class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    CObject* (*m_pfnCreateObject)();
    CObject* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
};

class CObject {
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const { return nullptr; }

protected:
    CObject() = default;
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNCREATE(class_name)                       \
public:                                                     \
    static const CRuntimeClass class##class_name;           \
    static CObject* CreateObject() {                        \
        return new class_name;                              \
    }                                                       \
    const CRuntimeClass* GetRuntimeClass() const override { \
        return RUNTIME_CLASS(class_name);                   \
    }

#define IMPLEMENT_DYNCREATE(class_name) \
    const CRuntimeClass class_name::class##class_name = {#class_name, &class_name::CreateObject};
