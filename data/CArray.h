#pragma once
// CArray: the growable, 0-indexed array every record list of the program uses. An index outside
// the array is a programming error and throws std::invalid_argument.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

template <class T>
class CArray {
public:
    using value_type = T;
    using iterator = typename std::vector<T>::iterator;
    using const_iterator = typename std::vector<T>::const_iterator;

    int GetSize() const { return static_cast<int>(items.size()); }
    int GetCount() const { return GetSize(); }
    bool IsEmpty() const { return items.empty(); }

    T& operator[](int index) { Check(index); return items[static_cast<std::size_t>(index)]; }
    const T& operator[](int index) const { Check(index); return items[static_cast<std::size_t>(index)]; }
    T& ElementAt(int index) { return (*this)[index]; }
    const T& GetAt(int index) const { return (*this)[index]; }
    void SetAt(int index, const T& value) { (*this)[index] = value; }

    int Add(const T& value) { items.push_back(value); return GetSize() - 1; }
    void InsertAt(int index, const T& value)
    {
        if (index < 0 || index > GetSize())
            throw std::invalid_argument("CArray: insert position " + std::to_string(index) + " out of range");
        items.insert(items.begin() + index, value);
    }
    void RemoveAt(int index, int count = 1)
    {
        if (count < 0 || index < 0 || index + count > GetSize())
            throw std::invalid_argument("CArray: remove range " + std::to_string(index) + " out of range");
        items.erase(items.begin() + index, items.begin() + index + count);
    }
    void RemoveAll() { items.clear(); }
    // Grows with value-initialised elements or shrinks to exactly newSize elements.
    void SetSize(int newSize)
    {
        if (newSize < 0)
            throw std::invalid_argument("CArray: negative size");
        items.resize(static_cast<std::size_t>(newSize));
    }
    void Reserve(int capacity) { if (capacity > 0) items.reserve(static_cast<std::size_t>(capacity)); }

    iterator begin() { return items.begin(); }
    iterator end() { return items.end(); }
    const_iterator begin() const { return items.begin(); }
    const_iterator end() const { return items.end(); }

private:
    void Check(int index) const
    {
        if (index < 0 || index >= GetSize())
            throw std::invalid_argument("CArray: index " + std::to_string(index) + " out of range");
    }

    std::vector<T> items;
};
