#pragma once
// A table that a family description holds: a copy of the rows it was made
// from. A description lives on in its tool's load, long after the function
// that built it has returned, so it never points into the caller's array: a
// member's table may stand at namespace scope or inside its function alike.
// A text row is a view of a string literal, as every text of a description is.
#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <vector>

namespace corvessa::charts {

template <class T>
class OwnedTable {
 public:
  OwnedTable() = default;
  template <std::size_t N>
  OwnedTable(const T (&rows)[N]) : rows_(rows, rows + N) {}
  template <std::size_t N>
  OwnedTable(const std::array<T, N> &rows) : rows_(rows.begin(), rows.end()) {}
  OwnedTable(std::initializer_list<T> rows) : rows_(rows) {}

  operator std::span<const T>() const { return rows_; }
  std::size_t size() const { return rows_.size(); }
  bool empty() const { return rows_.empty(); }
  const T &operator[](std::size_t i) const { return rows_[i]; }
  auto begin() const { return rows_.begin(); }
  auto end() const { return rows_.end(); }

 private:
  std::vector<T> rows_;
};

}  // namespace corvessa::charts
