// Run-time class information, enough for IsKindOf: each class that declares
// itself dynamic names its base, and the chain is walked at run time.
#pragma once

struct CRuntimeClass {
    const char* m_lpszClassName;
    const CRuntimeClass* m_pBaseClass;

    bool IsDerivedFrom(const CRuntimeClass* base) const {
        for (const CRuntimeClass* c = this; c != nullptr; c = c->m_pBaseClass)
            if (c == base) return true;
        return false;
    }
};

#define RUNTIME_CLASS(cls) (&cls::classInfo)

#define DECLARE_DYNAMIC(cls)              \
public:                                   \
    static const CRuntimeClass classInfo; \
    const CRuntimeClass* GetRuntimeClass() const override;

#define IMPLEMENT_DYNAMIC(cls, base)                                  \
    const CRuntimeClass cls::classInfo = {#cls, RUNTIME_CLASS(base)}; \
    const CRuntimeClass* cls::GetRuntimeClass() const { return &cls::classInfo; }

class CObject {
public:
    static const CRuntimeClass classInfo;
    virtual const CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;

    bool IsKindOf(const CRuntimeClass* cls) const { return GetRuntimeClass()->IsDerivedFrom(cls); }

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};
