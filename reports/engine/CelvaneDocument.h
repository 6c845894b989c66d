#pragma once

namespace celvane {

class Celvane;

class CelvaneDocument
{
public:
    explicit CelvaneDocument(Celvane &engine)
        : m_engine(engine)
    {
    }
    // Starts a new document from the template named by FileName.
    void Begin();

private:
    Celvane &m_engine;
};

}  // namespace celvane
