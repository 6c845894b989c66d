#pragma once

namespace celvane {

class Celvane;

// Ends a document on the screen or the printer, through the engine's output handler.
class CelvaneOutput
{
public:
    explicit CelvaneOutput(Celvane &engine)
        : m_engine(engine)
    {
    }
    void Preview(int left, int top, int width, int height);
    void Print();

private:
    Celvane &m_engine;
};

}  // namespace celvane
