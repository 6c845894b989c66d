#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace strilux {

// How wide an element is; the geometry turns each kind into micrometres.
enum class ElementWidth : unsigned char {
    Modules,  // `modules` times the module (JAN, UPC, Code 128)
    Narrow,   // one narrow element (ITF, NW-7, Code 39)
    Wide,     // one wide element
    Gap,      // the Code 39 character gap
};

struct Element
{
    bool bar = false;
    ElementWidth width = ElementWidth::Modules;
    int modules = 1;
    bool guard = false;  // drawn below the other bars (JAN and UPC guards)
};

// One human-readable character centred on a run of elements.
struct Label
{
    std::string text;
    std::size_t firstElement = 0;
    std::size_t endElement = 0;  // one past the last element
    bool shiftLeft = false;      // UPC check digit: moved left by three drawing units
};

// A line of characters centred under the whole symbol (ITF, Code 128).
struct TextLine
{
    std::vector<std::string> cells;  // a blank cell is " "
    int advanceHalves = 2;           // character advance in half character widths
};

// Four-state bar kinds of the customer barcode.
enum class PostalBar : unsigned char { Empty = 0, Long = 1, Ascender = 2, Descender = 3, Timing = 4 };

// What a type's encoder makes of a value: the elements left to right with the margins the
// type counts, the human-readable text, and the encoded characters.
struct Symbol
{
    std::vector<Element> elements;
    std::vector<Label> labels;
    TextLine line;
    std::vector<PostalBar> postalBars;
    std::string encoded;    // the fitted value with its check character
    std::string checkChar;  // empty with ccNo
    int characters = 0;     // value characters with the check character (NW-7, Code 39)
    int symbolCount = 0;    // Code 128 symbols before the check symbol
    int error = 0;          // 0 or 5024
};

}  // namespace strilux
