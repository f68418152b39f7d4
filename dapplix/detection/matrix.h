// A dense rows x cols matrix walked by visitors, row by row.
#ifndef DAPPLIX_DETECTION_MATRIX_H
#define DAPPLIX_DETECTION_MATRIX_H

#include <algorithm>
#include <cstddef>
#include <memory>
#include <stdexcept>

template <typename T> class Matrix final
{
public:
    class out_of_range : public std::out_of_range
    {
    public:
        using std::out_of_range::out_of_range;
    };

    // Tag of the constructor that leaves the elements unset.
    struct Uninitialised
    {
    };

    // Zeroed elements. Throws std::length_error "Matrix has no size" when either extent is 0.
    Matrix(unsigned rows, unsigned cols) : Matrix(rows, cols, Uninitialised{})
    {
        std::fill_n(values.get(), size_t(rows) * cols, T());
    }
    // For a caller that writes every element before reading one: zeroing a large matrix
    // would cost a full extra pass over its memory.
    Matrix(unsigned rows, unsigned cols, Uninitialised) : rowCount(rows), colCount(cols)
    {
        if (rows == 0 || cols == 0)
            throw std::length_error("Matrix has no size");
        values.reset(new T[size_t(rows) * cols]);
    }
    Matrix(const Matrix &) = delete;
    Matrix &operator=(const Matrix &) = delete;

    unsigned rows() const { return rowCount; }
    unsigned cols() const { return colCount; }

    // Element (x, y), checked.
    T &operator()(unsigned x, unsigned y)
    {
        check(x, y);
        return values[index(x, y)];
    }
    const T &operator()(unsigned x, unsigned y) const
    {
        check(x, y);
        return values[index(x, y)];
    }

    // Calls visitor(element) for every element, rows top to bottom, columns left to right, and
    // visitor.endRow() after each row. The visitor's own type is used, so a final visitor's
    // call operator is inlined.
    template <typename V> void foreach(V &visitor) { foreach(visitor, 0, rowCount); }

    // The same over count rows from first on (clipped to the matrix).
    template <typename V> void foreach(V &visitor, unsigned first, unsigned count)
    {
        // Locals: an element store could otherwise alias the extents and force reloads.
        const size_t cols = colCount;
        const size_t end = size_t(first) + count < rowCount ? size_t(first) + count : rowCount;
        T *row = values.get() + cols * first;
        for (size_t y = first; y < end; ++y, row += cols) {
            for (size_t x = 0; x < cols; ++x)
                visitor(row[x]);
            visitor.endRow();
        }
    }

private:
    size_t index(unsigned x, unsigned y) const { return x + size_t(colCount) * y; }
    void check(unsigned x, unsigned y) const
    {
        if (y >= rowCount || x >= colCount)
            throw out_of_range("Matrix<T>::operator() (unsigned posY, unsigned poX) out of range");
    }

    unsigned rowCount;
    unsigned colCount;
    std::unique_ptr<T[]> values;
};

#endif // DAPPLIX_DETECTION_MATRIX_H
