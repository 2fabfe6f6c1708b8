#include "UniqueGdiObject.h"

UniqueGdiObject::~UniqueGdiObject() {
    if (object_) DeleteObject(object_);
}
