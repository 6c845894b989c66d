#include "BoundControl.h"

#include "db/Error.h"

#include <QWidget>

void SetBoundFieldText(QWidget *control, const QString &text)
{
    auto *bound = dynamic_cast<BoundControl *>(control);
    if (!bound)
        throw db::Error(QStringLiteral("項目 '%1' は列に結び付いていません。")
                            .arg(control ? control->objectName() : QStringLiteral("?")));
    bound->link().setFieldText(text);
}
