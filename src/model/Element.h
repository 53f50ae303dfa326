#pragma once

#include <string>

// Common interface of Node and Rod: the one-line file form. The text passed
// to read is the rest of a file line after the keyword ("Node" or "Rod").
class Element {
public:
    virtual void write(std::string& text) const = 0;
    virtual bool read(const char* text) = 0;

protected:
    Element() = default;
    Element(const Element&) = default;
    Element& operator=(const Element&) = default;
    ~Element() = default;
};
