// Base of the visitors that Matrix::foreach applies to each element.
#ifndef DAPPLIX_DETECTION_ELEMENTITERATOR_H
#define DAPPLIX_DETECTION_ELEMENTITERATOR_H

class ElementIterator
{
public:
    virtual ~ElementIterator() = default;
    virtual void operator()(unsigned &element) = 0;
    // Called after each matrix row; nothing to do for most visitors.
    void endRow() {}
};

#endif // DAPPLIX_DETECTION_ELEMENTITERATOR_H
