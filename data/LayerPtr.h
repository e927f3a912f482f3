#pragma once
// LayerPtr: an owning pointer to an object of a higher layer that a lower layer holds without
// seeing its definition. The deleter is captured where the object is created (where its type is
// complete), so the holder's header needs only a forward declaration.

#include <memory>

template <class T>
using LayerPtr = std::unique_ptr<T, void (*)(T*)>;

template <class T>
LayerPtr<T> MakeLayerPtr(T* object)
{
    return LayerPtr<T>(object, [](T* p) { delete p; });
}

template <class T>
LayerPtr<T> NullLayerPtr()
{
    return LayerPtr<T>(nullptr, [](T*) {});
}
