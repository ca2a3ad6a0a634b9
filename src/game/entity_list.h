#pragma once

#include <cstddef>
#include <vector>

// Deletes the entity at index and closes the gap, keeping the others in
// order: order is drawing order, and the rules walk lists by index, not
// advancing past a removal.
template <typename Entity> void removeAt(std::vector<Entity*>& list, const std::size_t index) {
    delete list[index];
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
}

template <typename Entity> void destroyAll(std::vector<Entity*>& list) {
    for (Entity* entity : list) {
        delete entity;
    }
    list.clear();
}
