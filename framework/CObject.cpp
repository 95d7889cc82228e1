#include "framework/CObject.h"

const CRuntimeClass CObject::classInfo = {"CObject", nullptr};
const CRuntimeClass* CObject::GetRuntimeClass() const { return &CObject::classInfo; }
