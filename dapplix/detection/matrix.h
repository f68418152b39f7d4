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
        std::fill_n(m_values.get(), size_t(rows) * cols, T());
    }
    // For a caller that writes every element before reading one: zeroing a large matrix
    // would cost a full extra pass over its memory.
    Matrix(unsigned rows, unsigned cols, Uninitialised) : m_rowCount(rows), m_colCount(cols)
    {
        if (rows == 0 || cols == 0)
            throw std::length_error("Matrix has no size");
        m_values.reset(new T[size_t(rows) * cols]);
    }
    Matrix(const Matrix &) = delete;
    Matrix &operator=(const Matrix &) = delete;

    unsigned rows() const { return m_rowCount; }
    unsigned cols() const { return m_colCount; }

    // Element (x, y), checked.
    T &operator()(unsigned x, unsigned y)
    {
        check(x, y);
        return m_values[index(x, y)];
    }
    const T &operator()(unsigned x, unsigned y) const
    {
        check(x, y);
        return m_values[index(x, y)];
    }

    // The elements of row y, unchecked: for walks that go a row at a time.
    T *row(unsigned y) { return m_values.get() + size_t(m_colCount) * y; }
    const T *row(unsigned y) const { return m_values.get() + size_t(m_colCount) * y; }

    // Calls visitor(element) for every element, rows top to bottom, columns left to right, and
    // visitor.endRow() after each row. The visitor's own type is used, so a final visitor's
    // call operator is inlined.
    template <typename V> void foreach(V &visitor) { foreach(visitor, 0, m_rowCount); }

    // The same over count rows from first on (clipped to the matrix).
    template <typename V> void foreach(V &visitor, unsigned first, unsigned count)
    {
        // Locals: an element store could otherwise alias the extents and force reloads.
        const size_t cols = m_colCount;
        const size_t end = size_t(first) + count < m_rowCount ? size_t(first) + count : m_rowCount;
        T *row = m_values.get() + cols * first;
        for (size_t y = first; y < end; ++y, row += cols) {
            for (size_t x = 0; x < cols; ++x)
                visitor(row[x]);
            visitor.endRow();
        }
    }

private:
    size_t index(unsigned x, unsigned y) const { return x + size_t(m_colCount) * y; }
    void check(unsigned x, unsigned y) const
    {
        if (y >= m_rowCount || x >= m_colCount)
            throw out_of_range("Matrix<T>::operator() (unsigned posY, unsigned poX) out of range");
    }

    unsigned m_rowCount;
    unsigned m_colCount;
    std::unique_ptr<T[]> m_values;
};

#endif // DAPPLIX_DETECTION_MATRIX_H
