// The child wrappers that a description wrapper hands out and owns: each is kept once and freed
// with its owner.
#pragma once

#include <memory>
#include <new>
#include <utility>
#include <vector>

template <class Child>
using OwnedChildren = std::vector<std::unique_ptr<Child>>;

// Makes a Child from `args`, keeps it in `children` and returns it; null when memory runs out.
// Any other exception of the child's constructor passes through.
template <class Child, class... Args>
Child* AdoptNewChild(OwnedChildren<Child>& children, Args&&... args) {
    try {
        children.reserve(children.size() + 1);
        children.push_back(std::make_unique<Child>(std::forward<Args>(args)...));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    return children.back().get();
}
