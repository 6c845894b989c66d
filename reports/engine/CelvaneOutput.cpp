#include "CelvaneOutput.h"

#include "Celvane.h"
#include "CelvaneError.h"

namespace celvane {

void CelvaneOutput::Preview(int left, int top, int width, int height)
{
    m_engine.finishedDocument();
    if (!m_engine.outputHandler())
        throw CelvaneError(QStringLiteral("プレビューの画面が用意されていません"));
    m_engine.outputHandler()->preview(m_engine, QRect(left, top, width, height));
}

void CelvaneOutput::Print()
{
    m_engine.finishedDocument();
    if (!m_engine.outputHandler())
        throw CelvaneError(QStringLiteral("印刷の仕組みが用意されていません"));
    m_engine.outputHandler()->print(m_engine);
}

}  // namespace celvane
