// A random-access iterator over a list whose elements are produced by value from their index, for
// lists that store their elements packed.
#pragma once

#include <cstddef>
#include <iterator>

template <class List, class Value>
class IndexIterator {
public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = Value;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = Value;

    IndexIterator() = default;
    IndexIterator(const List* list, std::size_t index) : list_(list), index_(index) {}

    Value operator*() const { return (*list_)[index_]; }
    Value operator[](difference_type n) const { return (*list_)[index_ + n]; }

    IndexIterator& operator++() { return ++index_, *this; }
    IndexIterator operator++(int) { return {list_, index_++}; }
    IndexIterator& operator--() { return --index_, *this; }
    IndexIterator operator--(int) { return {list_, index_--}; }
    IndexIterator& operator+=(difference_type n) { return index_ += n, *this; }
    IndexIterator& operator-=(difference_type n) { return index_ -= n, *this; }
    friend IndexIterator operator+(IndexIterator it, difference_type n) { return it += n; }
    friend IndexIterator operator+(difference_type n, IndexIterator it) { return it += n; }
    friend IndexIterator operator-(IndexIterator it, difference_type n) { return it -= n; }
    friend difference_type operator-(const IndexIterator& a, const IndexIterator& b) {
        return static_cast<difference_type>(a.index_) - static_cast<difference_type>(b.index_);
    }
    friend bool operator==(const IndexIterator& a, const IndexIterator& b) {
        return a.index_ == b.index_;
    }
    friend auto operator<=>(const IndexIterator& a, const IndexIterator& b) {
        return a.index_ <=> b.index_;
    }

    std::size_t index() const { return index_; }

private:
    const List* list_ = nullptr;
    std::size_t index_ = 0;
};
