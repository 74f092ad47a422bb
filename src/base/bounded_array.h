#pragma once
// Arrays with documented bounds: an index outside them is the run-time failure
// "subscript out of range", never a silent read or write beside the data.
#include <vector>

#include "base/failure.h"

namespace base {

template <typename T>
class Array1 {
  public:
    Array1(int lower, int upper, T initial = T{})
        : lower_(lower), upper_(upper), data_(upper - lower + 1, initial) {}

    T& operator()(int i) { return data_[Offset(i)]; }
    const T& operator()(int i) const { return data_[Offset(i)]; }
    int lower() const { return lower_; }
    int upper() const { return upper_; }
    void Fill(const T& value) { data_.assign(data_.size(), value); }

  private:
    size_t Offset(int i) const {
        if (i < lower_ || i > upper_) throw SubscriptOutOfRange();
        return static_cast<size_t>(i - lower_);
    }
    int lower_, upper_;
    std::vector<T> data_;
};

template <typename T>
class Array3 {
  public:
    Array3(int lower1, int upper1, int lower2, int upper2, int lower3, int upper3, T initial = T{})
        : lower_{lower1, lower2, lower3},
          upper_{upper1, upper2, upper3},
          data_(static_cast<size_t>(upper1 - lower1 + 1) * (upper2 - lower2 + 1) *
                    (upper3 - lower3 + 1),
                initial) {}

    T& operator()(int i, int j, int k) { return data_[Offset(i, j, k)]; }
    const T& operator()(int i, int j, int k) const { return data_[Offset(i, j, k)]; }
    int lower(int dimension) const { return lower_[dimension]; }
    int upper(int dimension) const { return upper_[dimension]; }
    size_t size() const { return data_.size(); }
    void Fill(const T& value) { data_.assign(data_.size(), value); }

  private:
    size_t Offset(int i, int j, int k) const {
        const int index[3] = {i, j, k};
        size_t offset = 0;
        for (int d = 0; d < 3; ++d) {
            if (index[d] < lower_[d] || index[d] > upper_[d]) throw SubscriptOutOfRange();
            offset = offset * (upper_[d] - lower_[d] + 1) + (index[d] - lower_[d]);
        }
        return offset;
    }
    int lower_[3], upper_[3];
    std::vector<T> data_;
};

}  // namespace base
